// Pictures of the screen as test artifacts.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_SCREENSHOT_H
#define ZENQUILL_TESTS_E2E_HARNESS_SCREENSHOT_H

#include <string>

namespace e2e {

// Saves the whole virtual screen (under Wine: its desktop) as a PNG file at `path`, a
// Windows path such as ArtifactPath("main-window.png") gives. False on failure.
bool SaveScreenshot(const std::string& path);

}  // namespace e2e

#endif
