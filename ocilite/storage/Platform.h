// The little this library needs from the platform, behind one seam with a Windows and a
// POSIX implementation.
#ifndef ZENQUILL_OCILITE_PLATFORM_H
#define ZENQUILL_OCILITE_PLATFORM_H

#include <memory>
#include <string>

namespace ocilite {

// The folder that holds this library's file, without a trailing separator.
std::string LibraryFolder();

// The name the operating system knows the current user by.
std::string OperatingSystemUser();

// A flag another thread raises, and a wait for it with a time limit that is as exact as the
// platform's own sleep.
class Alarm {
 public:
  Alarm();
  ~Alarm();
  Alarm(const Alarm&) = delete;
  Alarm& operator=(const Alarm&) = delete;
  // Returns once `milliseconds` have passed or the alarm is raised (at once while it is).
  void Wait(unsigned milliseconds);
  void Raise();
  void Lower();
  bool Raised();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace ocilite

#endif
