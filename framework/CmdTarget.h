// A receiver of numbered commands. The frame routes each command through a chain of
// targets (view, frame, application); the first that handles it ends the routing.
#ifndef ZENQUILL_FRAMEWORK_CMDTARGET_H
#define ZENQUILL_FRAMEWORK_CMDTARGET_H

namespace fw {

// What an update handler decides about one command: whether its menu item and toolbar
// button are enabled, and whether the menu item carries a check mark.
struct CmdUI {
  unsigned id = 0;
  bool enabled = true;
  bool checked = false;
};

class CmdTarget {
 public:
  virtual ~CmdTarget() = default;
  // Runs the command's handler; false when this target has none.
  virtual bool OnCommand(unsigned id) {
    (void)id;
    return false;
  }
  // Sets ui's state; false when this target has no update handler for ui.id.
  virtual bool OnUpdateCommand(CmdUI& ui) {
    (void)ui;
    return false;
  }
};

}  // namespace fw

#endif
