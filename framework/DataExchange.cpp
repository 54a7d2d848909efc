#include "DataExchange.h"

#include "FrameworkText.h"
#include "Resources.h"

namespace fw {

bool SetWindowTextIfChanged(HWND window, const std::string& text) {
  char shown[kComparedTextLength + 2];
  const int length = GetWindowTextA(window, shown, sizeof shown);
  if (!TextNeedsReplacing(std::string(shown, length > 0 ? length : 0), text)) return false;
  SetWindowTextA(window, text.c_str());
  return true;
}

void DataExchange::Text(int controlId, std::string& value) {
  if (failed_) return;
  HWND control = GetDlgItem(dialog_, controlId);
  if (saving_) {
    value = WindowText(control);
  } else {
    SetWindowTextIfChanged(control, value);
  }
}

void DataExchange::Check(int controlId, int& value) {
  if (failed_) return;
  HWND control = GetDlgItem(dialog_, controlId);
  if (saving_) {
    value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  } else {
    SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void DataExchange::MaxChars(int controlId, const std::string& value, std::size_t max) {
  if (failed_) return;
  HWND control = GetDlgItem(dialog_, controlId);
  if (!saving_) {
    SendMessageA(control, EM_LIMITTEXT, max, 0);
  } else if (value.size() > max) {
    Fail(control, MaxCharsMessage(max));
  }
}

void DataExchange::Fail(HWND control, const std::string& message) {
  failed_ = true;
  AppMessageBox(dialog_, message, MB_OK | MB_ICONEXCLAMATION);
  SetFocus(control);
  SendMessageA(control, EM_SETSEL, 0, -1);
}

}  // namespace fw
