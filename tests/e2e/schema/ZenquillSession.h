// The real program started in a work folder of its own with ocilite as its client library
// and a fresh demo database, past the start dialog to the Connect dialog, then connected or
// not. Exposes the workspace's controls.
#ifndef ZENQUILL_TESTS_E2E_SCHEMA_ZENQUILLSESSION_H
#define ZENQUILL_TESTS_E2E_SCHEMA_ZENQUILLSESSION_H

#include <windows.h>

#include <string>

#include "Harness.h"

namespace schemae2e {

class ZenquillSession {
 public:
  // Makes the demo database anew for the tests that follow.
  static void ResetDatabase();

  // Starts the program and waits for its Connect dialog. False with `error` set.
  bool Start(std::string& error);
  // Answers the Connect dialog; false when the connect did not succeed.
  bool Connect(const std::string& user, const std::string& password, std::string& error);
  bool CancelConnect(std::string& error);
  void Close() { app_.Close(); }

  DWORD ProcessId() const { return app_.Id(); }
  HWND Main() const { return main_; }
  HWND Tree() const { return tree_; }
  HWND List() const { return list_; }
  std::string Message() const { return e2e::GetText(message_); }
  void ClearMessage() const { e2e::SetText(message_, ""); }
  // Waits until the message line shows something other than `previous`; returns the text.
  std::string WaitForMessageOtherThan(const std::string& previous) const;

 private:
  bool FindControls(std::string& error);

  e2e::AppProcess app_;
  HWND main_ = nullptr;
  HWND connectDialog_ = nullptr;
  HWND tree_ = nullptr;
  HWND list_ = nullptr;
  HWND message_ = nullptr;
};

}  // namespace schemae2e

#endif
