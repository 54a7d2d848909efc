// What the test and its probe library, loaded into the program, exchange to read the context
// menu that the program shows. Under Wine a menu can only be read inside its own process.
#ifndef ZENQUILL_TESTS_E2E_SCHEMA_POPUPMENUPROBEPROTOCOL_H
#define ZENQUILL_TESTS_E2E_SCHEMA_POPUPMENUPROBEPROTOCOL_H

#include <windows.h>

namespace schemae2e {

// At the start of a buffer in the program; the probe's text follows it.
struct PopupMenuRequest {
  HWND popup;      // the open menu's window (class "#32768")
  DWORD capacity;  // bytes available for the text after this structure
};

// The probe's export, a thread procedure taking the request's address in the program. It
// writes one line per item of the menu the window shows: "<id>\t<flags>\t<text>\n", flags
// 'S' separator, 'G' greyed, '-' neither. It returns the number of bytes written, or one of
// the failures below.
constexpr char kPopupMenuProbeExport[] = "ReadPopupMenu";
constexpr DWORD kPopupMenuNoMenu = 0xFFFFFFFFu;
constexpr DWORD kPopupMenuTooLong = 0xFFFFFFFEu;

}  // namespace schemae2e

#endif
