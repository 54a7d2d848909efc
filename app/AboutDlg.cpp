#include "AboutDlg.h"

#include "ClientMachine.h"
#include "NlsLang.h"
#include "Resources.h"
#include "resource.h"

CAboutDlg::CAboutDlg() : fw::Dialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog() {
  const bool focusFirst = fw::Dialog::OnInitDialog();
  homePageLink.Attach(Item(IDC_ABOUT_LINK));
  const std::string charset = "Client character set: " + ClientCharsetName(LocalClientMachine());
  SetWindowTextA(Item(IDC_ABOUT_CHARSET), charset.c_str());
  return focusFirst;
}

bool CAboutDlg::OnSetCursor(HWND under) {
  if (under != homePageLink.Handle()) return false;
  SetCursor(LoadCursorA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDR_HAND_CURSOR)));
  SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, TRUE);
  return true;
}

INT_PTR CAboutDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT linkResult = 0;
  if (homePageLink.HandleParentMessage(msg, wParam, lParam, linkResult)) return linkResult;
  if (msg == WM_SETCURSOR && OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
  return fw::Dialog::OnMessage(msg, wParam, lParam);
}
