// What an owner-data list asks its parent, answered from the rows it shows: the text of a
// cell to paint or to hand to a reader (LVN_GETDISPINFO), and the row that typed letters
// begin (LVN_ODFINDITEM).
#ifndef ZENQUILL_CONTROLS_LISTANSWERS_H
#define ZENQUILL_CONTROLS_LISTANSWERS_H

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ResultSet.h"

namespace listanswers {

// Copies the cell's text into the item's buffer, cut to fit (converted for the wide form).
void AnswerText(const results::ResultSet& rows, LVITEMA& item);
void AnswerText(const results::ResultSet& rows, LVITEMW& item);

// The first row from `start` (wrapping to the top when the flags ask) whose column 0 is
// `text`, or begins with it for LVFI_PARTIAL, ignoring case; -1 when there is none.
int FindRow(const results::ResultSet& rows, UINT flags, const std::string& text, int start);

// The typed letters of the wide notification, in the user's code page.
std::string Narrow(const wchar_t* text);

}  // namespace listanswers

#endif
