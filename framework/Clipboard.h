// Text for other programs through the clipboard.
#ifndef ZENQUILL_FRAMEWORK_CLIPBOARD_H
#define ZENQUILL_FRAMEWORK_CLIPBOARD_H

#include <windows.h>

#include <string>

namespace fw {

enum class ClipboardResult {
  Copied,
  NoMemory,  // the clipboard keeps what it held
  Busy,      // another program holds the clipboard open; it keeps what it held
};

// Puts ANSI text on the clipboard as CF_TEXT and as CF_UNICODETEXT, with `owner` as its owner.
// Both copies are made before the clipboard is opened, so a shortage never empties it.
ClipboardResult PutTextOnClipboard(HWND owner, const std::string& ansi);

}  // namespace fw

#endif
