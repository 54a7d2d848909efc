// One soak cycle through the real program: connect, a 600-row query read to the end, an
// UPDATE, a failing statement, a script of three statements, a schema tree load, Save XML
// data and disconnect.
#ifndef ZENQUILL_TESTS_E2E_SOAK_SOAKCYCLE_H
#define ZENQUILL_TESTS_E2E_SOAK_SOAKCYCLE_H

#include <string>

#include "Workbench.h"

namespace soak {

// Starts the program for a soak run and cancels the start-up Connect dialog, so that every
// cycle connects the same way. An error text, or "" when the program is ready.
std::string StartForSoak(exece2e::Workbench& bench, const std::string& name);

// Runs cycle `cycle` (from 0); "" when every step showed what it should, else what went wrong.
std::string RunCycle(exece2e::Workbench& bench, int cycle);

// The program's process id, for sampling its resources.
DWORD ProgramId(const exece2e::Workbench& bench);

}  // namespace soak

#endif
