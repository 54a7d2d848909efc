#include "MainFrame.h"

#include <commctrl.h>

#include "resource.h"

namespace {

const unsigned kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

int CMainFrame::OnCreate(CREATESTRUCTA* create) {
  SetTitle("Zenquill Professional");
  if (fw::FrameWnd::OnCreate(create) == -1) return -1;
  if (!toolBar.Create(Hwnd(), WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, ID_VIEW_TOOLBAR) ||
      !toolBar.LoadToolBar(IDR_MAINFRAME))
    return -1;
  if (!statusBar.Create(Hwnd(), WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, ID_VIEW_STATUS_BAR) ||
      !statusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
    return -1;
  DockBars(&toolBar, &statusBar);
  SetEscapeCommand(ID_DATABASE_CANCEL);
  return 0;
}
