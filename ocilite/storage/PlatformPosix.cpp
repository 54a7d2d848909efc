#include <dlfcn.h>
#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "storage/Platform.h"

namespace ocilite {

std::string LibraryFolder() {
  Dl_info info = {};
  if (!dladdr(reinterpret_cast<void*>(&LibraryFolder), &info) || !info.dli_fname) return ".";
  std::string file = info.dli_fname;
  size_t slash = file.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
}

std::string OperatingSystemUser() {
  const passwd* entry = getpwuid(geteuid());
  return entry && entry->pw_name ? std::string(entry->pw_name) : std::string();
}

struct Alarm::State {
  std::mutex lock;
  std::condition_variable raised;
  bool up = false;
};

Alarm::Alarm() : state_(std::make_unique<State>()) {}

Alarm::~Alarm() = default;

void Alarm::Wait(unsigned milliseconds) {
  std::unique_lock<std::mutex> guard(state_->lock);
  state_->raised.wait_for(guard, std::chrono::milliseconds(milliseconds), [this] { return state_->up; });
}

void Alarm::Raise() {
  {
    std::lock_guard<std::mutex> guard(state_->lock);
    state_->up = true;
  }
  state_->raised.notify_all();
}

void Alarm::Lower() {
  std::lock_guard<std::mutex> guard(state_->lock);
  state_->up = false;
}

bool Alarm::Raised() {
  std::lock_guard<std::mutex> guard(state_->lock);
  return state_->up;
}

}  // namespace ocilite
