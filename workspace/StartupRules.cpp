#include "StartupRules.h"

const char* const kSplashOverrideVariable = "ZENQUILL_TEST_SPLASH_MS";
const char* const kRecoveryOverrideVariable = "ZENQUILL_TEST_RECOVERY_MS";

namespace {

// A plain decimal number of milliseconds up to ten minutes, or `fallback`.
unsigned MillisecondsOr(const char* overrideValue, unsigned fallback) {
  if (!overrideValue || !*overrideValue) return fallback;
  unsigned long value = 0;
  for (const char* c = overrideValue; *c; ++c) {
    if (*c < '0' || *c > '9' || value > 600000) return fallback;
    value = value * 10 + static_cast<unsigned>(*c - '0');
  }
  return value > 600000 ? fallback : static_cast<unsigned>(value);
}

}  // namespace

unsigned SplashDurationMs(const char* overrideValue) { return MillisecondsOr(overrideValue, kSplashMs); }

unsigned RecoveryIntervalMs(const char* overrideValue) { return MillisecondsOr(overrideValue, kRecoveryIntervalMs); }
