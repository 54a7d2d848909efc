// Routing of commands and of update requests along a chain of targets, first to last.
#ifndef ZENQUILL_FRAMEWORK_COMMANDROUTER_H
#define ZENQUILL_FRAMEWORK_COMMANDROUTER_H

#include <initializer_list>

#include "CmdTarget.h"

namespace fw {

// Hands id to each target in turn until one handles it; false when none did.
// Null entries are skipped (a frame without a view yet, an application not running).
bool RouteCommand(std::initializer_list<CmdTarget*> chain, unsigned id);

// The state of command id as the first target with an update handler for it decides;
// enabled and unchecked when no target has one.
CmdUI QueryCommand(std::initializer_list<CmdTarget*> chain, unsigned id);

}  // namespace fw

#endif
