// The main frame: "Zenquill Professional", with its toolbar and status bar.
#ifndef ZENQUILL_APP_MAINFRAME_H
#define ZENQUILL_APP_MAINFRAME_H

#include "FrameWnd.h"
#include "StatusBar.h"
#include "ToolBar.h"

class CMainFrame : public fw::FrameWnd {
 protected:
  int OnCreate(CREATESTRUCTA* create) override;

 private:
  fw::StatusBar statusBar;
  fw::ToolBar toolBar;
};

#endif
