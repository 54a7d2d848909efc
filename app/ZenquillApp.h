// The application object: sets up the framework and the single-document template,
// and shows the About box.
#ifndef ZENQUILL_APP_ZENQUILLAPP_H
#define ZENQUILL_APP_ZENQUILLAPP_H

#include "App.h"

class CZenquillApp : public fw::App {
 public:
  bool OnCommand(unsigned id) override;

 protected:
  bool InitInstance() override;
};

#endif
