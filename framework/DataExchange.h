// Transfer between a dialog's controls and the members they stand for. Loading writes
// the members into the controls; saving reads the controls back and validates them.
// The first failed validation shows its message, puts the focus on the control and
// makes every later exchange of the same pass do nothing.
#ifndef ZENQUILL_FRAMEWORK_DATAEXCHANGE_H
#define ZENQUILL_FRAMEWORK_DATAEXCHANGE_H

#include <windows.h>

#include <cstddef>
#include <string>

namespace fw {

class DataExchange {
 public:
  DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

  bool Saving() const { return saving_; }
  bool Failed() const { return failed_; }

  // Text of any control. Loading replaces the control's text only when it differs
  // or is long (TextNeedsReplacing), so an unchanged text keeps its caret.
  void Text(int controlId, std::string& value);
  // State of a check box: 0 unchecked, 1 checked.
  void Check(int controlId, int& value);
  // Loading limits the edit control to max characters; saving rejects a longer value.
  void MaxChars(int controlId, const std::string& value, std::size_t max);

 private:
  void Fail(HWND control, const std::string& message);

  HWND dialog_;
  bool saving_;
  bool failed_ = false;
};

// Sets the window's text unless it already shows exactly that text (see
// TextNeedsReplacing); returns whether it was replaced.
bool SetWindowTextIfChanged(HWND window, const std::string& text);

}  // namespace fw

#endif
