// Pictures of the screen as test artifacts.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_SCREENSHOT_H
#define ZENQUILL_TESTS_E2E_HARNESS_SCREENSHOT_H

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// Saves the whole virtual screen (under Wine: its desktop) as a PNG file at `path`, a
// Windows path such as ArtifactPath("main-window.png") gives. False on failure.
bool SaveScreenshot(const std::string& path);
// The screen's pixels in a rectangle, row by row from the top; empty for an empty rectangle.
std::vector<std::uint32_t> ScreenPixels(int left, int top, int width, int height);

}  // namespace e2e

#endif
