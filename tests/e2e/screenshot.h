// Screenshots of windows: the window's rectangle copied from the screen into a
// BMP file in the folder named by KORVANE_SHOTS (the run script turns them
// into PNGs). Each file is named after the running test.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Lets the window paint, then saves its rectangle as
// <folder>/<Suite>.<Test>-<n>-<label>.bmp, n counting the shots of the test.
// Returns the file's path, or an empty text when no folder is set or the
// capture failed.
std::string Screenshot(HWND window, const std::string& label);

}  // namespace e2e
