// The rules of the start-up sequence that need no window.
#ifndef ZENQUILL_WORKSPACE_STARTUPRULES_H
#define ZENQUILL_WORKSPACE_STARTUPRULES_H

// The maker's home page opens on every fifth start: the 5th, 10th, 15th, ...
constexpr bool OpensHomePage(int startNumber) { return startNumber > 0 && startNumber % 5 == 0; }

// How long the start dialog stays up: 4 seconds.
constexpr unsigned kSplashMs = 4000;

// For the end-to-end tests only, which would otherwise wait four seconds per start:
// the environment variable ZENQUILL_TEST_SPLASH_MS, when it holds a plain decimal
// number of milliseconds, replaces kSplashMs. Anything else keeps kSplashMs.
extern const char* const kSplashOverrideVariable;
unsigned SplashDurationMs(const char* overrideValue);

// Idle time between two recovery copies of the editor's text: 30 seconds. The tests
// shorten it the same way through ZENQUILL_TEST_RECOVERY_MS.
constexpr unsigned kRecoveryIntervalMs = 30000;
extern const char* const kRecoveryOverrideVariable;
unsigned RecoveryIntervalMs(const char* overrideValue);

#endif
