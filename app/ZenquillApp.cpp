#include "ZenquillApp.h"

#include <commctrl.h>

#include "AboutDlg.h"
#include "ClientMachine.h"
#include "LoadFailureReport.h"
#include "MainFrame.h"
#include "NlsLang.h"
#include "Resources.h"
#include "ZenquillDoc.h"
#include "ZenquillView.h"
#include "resource.h"

namespace {

// A client library that cannot be bound is reported while the document is built.
void ShowLoadFailure(const char* message) { fw::AppMessageBox(nullptr, message, MB_OK | MB_ICONEXCLAMATION); }

// A client that finds no NLS_LANG talks US7ASCII and turns every accented letter into "?":
// before it loads, the ANSI code page's set is named for it, unless a user named one.
void NameTheClientCharset() {
  const std::string nlsLang = DefaultNlsLang(LocalClientMachine(), GetACP());
  if (!nlsLang.empty()) SetEnvironmentVariableA(kNlsLangVariable, nlsLang.c_str());
}

}  // namespace

bool CZenquillApp::InitInstance() {
  InitCommonControls();
  if (!fw::App::InitInstance()) return false;
  SetRegistryKey("Zenquill");
  LoadStdProfileSettings(4);
  SetLoadFailureHandler(ShowLoadFailure);
  NameTheClientCharset();
  AddDocTemplate(fw::MakeDocTemplate<CZenquillDoc, CMainFrame, CZenquillView>(IDR_MAINFRAME));
  if (!ProcessShellCommand(fw::ParseShellCommand(CommandLineText()))) return false;
  ShowWindow(MainFrame()->Hwnd(), SW_SHOW);
  UpdateWindow(MainFrame()->Hwnd());
  return true;
}

bool CZenquillApp::OnCommand(unsigned id) {
  if (id != ID_APP_ABOUT) return fw::App::OnCommand(id);
  CAboutDlg().DoModal();
  return true;
}
