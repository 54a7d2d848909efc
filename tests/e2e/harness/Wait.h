// Polling with a deadline: the program under test runs in another process, so the harness
// can only look again until what it expects has happened.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_WAIT_H
#define ZENQUILL_TESTS_E2E_HARNESS_WAIT_H

#include <functional>
#include <string>

namespace e2e {

// Default patience for anything the program does on its own (start-up, dialogs, commands).
constexpr unsigned kDefaultTimeoutMs = 10000;

// Calls `condition` every `pollMs` until it returns true (then true) or `timeoutMs` have
// passed (then false). The condition is always asked at least once.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs = kDefaultTimeoutMs, unsigned pollMs = 25);

// The message line's texts while a run goes on ("Running...", "Fetching: N rows"): whoever
// waits for a run's outcome looks past them.
bool IsRunProgress(const std::string& message);

}  // namespace e2e

#endif
