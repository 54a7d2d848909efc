// What the harness and its probe library, loaded into the program, exchange to read a menu
// bar. Menus cannot be read from another process, so the probe reads them from inside.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_MENUPROBEPROTOCOL_H
#define ZENQUILL_TESTS_E2E_HARNESS_MENUPROBEPROTOCOL_H

#include <windows.h>

namespace e2e {

// At the start of a buffer in the program; the probe's text follows it.
struct MenuProbeRequest {
  HWND window;     // whose menu bar to read
  LONG refresh;    // nonzero: send WM_INITMENUPOPUP for each popup before reading it
  DWORD capacity;  // bytes available for the text after this structure
};

// The probe's export, a thread procedure taking the request's address in the program. It
// writes one line per item, depth-first: "<depth>\t<id>\t<flags>\t<text>\n", where flags holds
// 'P' popup, 'S' separator, 'G' greyed or disabled, 'C' checked ('-' for none). It returns
// the number of bytes written, or one of the failures below.
constexpr char kMenuProbeExport[] = "ReadMenuBar";
constexpr DWORD kMenuProbeNoMenu = 0xFFFFFFFFu;
constexpr DWORD kMenuProbeTooLong = 0xFFFFFFFEu;

}  // namespace e2e

#endif
