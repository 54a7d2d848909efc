#include "StartupRules.h"

const char* const kSplashOverrideVariable = "ZENQUILL_TEST_SPLASH_MS";

unsigned SplashDurationMs(const char* overrideValue) {
  if (!overrideValue || !*overrideValue) return kSplashMs;
  unsigned long value = 0;
  for (const char* c = overrideValue; *c; ++c) {
    if (*c < '0' || *c > '9' || value > 600000) return kSplashMs;
    value = value * 10 + static_cast<unsigned>(*c - '0');
  }
  return value > 600000 ? kSplashMs : static_cast<unsigned>(value);
}
