// Runs a modal dialog of the program in-process and plays a script inside it, once per
// showing, after the dialog's own initialisation: the script reads and fills controls and
// ends the dialog by clicking a button. Message boxes the dialog opens are answered by
// MessageBoxAnswerer, which remembers their texts.
#ifndef ZENQUILL_TESTS_EXEC_DIALOGSCRIPT_H
#define ZENQUILL_TESTS_EXEC_DIALOGSCRIPT_H

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using DialogStep = std::function<void(HWND dialog)>;

template <class Dialog>
class ScriptedDialog : public Dialog {
 public:
  explicit ScriptedDialog(std::vector<DialogStep> showings) : showings_(std::move(showings)) {}

 protected:
  bool OnInitDialog() override {
    const bool focusFirst = Dialog::OnInitDialog();
    PostMessageA(this->Hwnd(), kPlayScript, 0, 0);
    return focusFirst;
  }

  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg != kPlayScript) return Dialog::OnMessage(msg, wParam, lParam);
    if (next_ < showings_.size()) showings_[next_++](this->Hwnd());
    return TRUE;
  }

 private:
  static constexpr UINT kPlayScript = WM_APP + 17;
  std::vector<DialogStep> showings_;
  std::size_t next_ = 0;
};

std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool on);
// BM_CLICK, so the dialog sees the button as the user pressing it.
void Press(HWND dialog, int id);

// While it lives, every message box this thread opens is read and closed with its first
// button (OK, or Yes) or, when answerNo is set, with No.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(bool answerNo = false);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // The texts of the boxes answered so far, in order.
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void AnswerOpenBox();

  UINT_PTR timer_;
  bool answerNo_;
  std::vector<std::string> texts_;
};

#endif
