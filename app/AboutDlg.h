// The About box (template 100): version, credits and the maker's home page as a
// hyperlink (static 1015), with the pointing hand over the link.
#ifndef ZENQUILL_APP_ABOUTDLG_H
#define ZENQUILL_APP_ABOUTDLG_H

#include "Dialog.h"
#include "WebLink.h"

class CAboutDlg : public fw::Dialog {
 public:
  CAboutDlg();

 protected:
  bool OnInitDialog() override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  bool OnSetCursor(HWND under);

  CWebLink homePageLink;
};

#endif
