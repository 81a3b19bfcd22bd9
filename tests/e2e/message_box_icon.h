// Which standard icon a message box shows. Another process's icon handle
// cannot be read under Wine, so the icon control's pixels are read from the
// screen and compared with each standard icon drawn the same way.
#pragma once

#include <windows.h>

namespace e2e {

// The standard icon (the number of IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK
// or IDI_QUESTION) that the box's icon control shows, or 0 when it has no
// visible icon control or none of the four matches.
ULONG_PTR MessageBoxIcon(HWND box);

}  // namespace e2e
