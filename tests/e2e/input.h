// Using a window as a person would: real keystrokes and mouse clicks through
// SendInput, which go wherever the keyboard focus or the mouse pointer is.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace e2e {

// Brings a top-level window to the front (SetForegroundWindow) and waits
// until it is the foreground window. Returns whether it became so.
bool Activate(HWND window);

// Presses and releases one key (a virtual-key code: VK_RETURN, VK_TAB, 'A').
void PressKey(WORD key);
// Presses keys in order and releases them in reverse: {VK_MENU, 'M'} is Alt+M,
// {VK_SHIFT, VK_TAB} is Shift+Tab, {VK_MENU, VK_SPACE} opens the system menu.
void Chord(std::initializer_list<WORD> keys);
// Types text character by character, with Shift where a character needs it.
void Type(std::string_view text);

// Moves the pointer to a point of the screen and clicks the left button there.
// Normally the button is released only once the press has been taken up
// (something captured the mouse or a menu is tracking), at most 300 ms later;
// with wait_for_capture false it is released at once.
void ClickAt(POINT screen, bool wait_for_capture = true);
// Clicks the centre of a window (a control or a top-level window).
void Click(HWND window);
// The point of a top-level window's caption that is its close box, found by
// asking the window itself (WM_NCHITTEST); {-1, -1} if it has none.
POINT CloseBoxPoint(HWND window);
// Clicks a top-level window's close box.
void ClickCloseBox(HWND window);
// The point of a top-level window's caption that opens its system menu, or
// {-1, -1} if it has none.
POINT SystemMenuPoint(HWND window);
// Opens a top-level window's system menu with a click on its caption button
// (a quick click: Wine closes the menu again when the release comes late).
void ClickSystemMenuButton(HWND window);

}  // namespace e2e
