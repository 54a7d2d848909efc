// The editor's text kept in a file while the program runs, so that a program ended from
// the task manager (a query can block the window for minutes) or crashed loses nothing.
// The file is deleted when the program ends normally: found at start-up, it means the
// last run did not end normally.
#ifndef ZENQUILL_WORKSPACE_RECOVERYCOPY_H
#define ZENQUILL_WORKSPACE_RECOVERYCOPY_H

#include <string>
#include <utility>

// In the start-up folder, beside the settings file.
constexpr char kRecoveryFile[] = "Zenquill.recover.sql";

class RecoveryCopy {
 public:
  explicit RecoveryCopy(std::string path) : path_(std::move(path)) {}

  // Writes `text` when it differs from what the copy holds, through a temporary file and
  // a replace as Save does. A failed write is never reported: it is tried again next time.
  void Keep(const std::string& text);
  // The text a run that did not end normally left; false when there is none to offer
  // (no file, or an empty one). From now on the file is this run's to delete.
  bool Take(std::string& text);
  // The editor now shows `text`, which the file already holds.
  void Adopt(const std::string& text) { kept_ = text; }
  // Deletes the file once taken: at a normal end, or when the user does not want the text
  // back. A run that ends before it took the file leaves another run's text alone.
  void Discard();

 private:
  std::string path_;
  std::string kept_;  // what the file holds; the empty editor at start-up needs no copy
  bool taken_ = false;
};

#endif
