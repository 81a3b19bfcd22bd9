// The main window of KORVN32.EXE as its tests use it: a fixture that starts
// the program and finds the window, its controls by name, and the steps a
// person takes there - putting a text into the weight field (typed or pasted),
// pressing and releasing the mouse on a control, answering the message
// "Please enter a number." - plus ways to know that everything sent to the
// window so far has been handled.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app.h"
#include "resource.h"
#include "screen.h"

namespace e2e {

// The radio buttons in the order of the destinations (Mercury 0 ... Pluto 8).
inline constexpr int kDestinationIds[9] = {IDC_MERCURY, IDC_VENUS,  IDC_MOON,    IDC_MARS, IDC_JUPITER,
                                           IDC_SATURN,  IDC_URANUS, IDC_NEPTUNE, IDC_PLUTO};
inline constexpr int kMercury = 0, kMoon = 2, kMars = 3, kJupiter = 4, kPluto = 8;

// The weight there for an Earth weight of 150, by destination.
inline const char* const kWeightsFor150[9] = {"54", "130.5", "25.5", "57", "396", "169.5", "160.5", "211.5", "6"};

inline const std::string kAppName = "KORVN32";
inline const std::string kNumberMessage = "Please enter a number.";

// Puts text on the clipboard as CF_TEXT (bytes as they are). Returns success.
bool SetClipboardText(const std::string& text);

// The centre of a window, in screen coordinates.
POINT Centre(HWND window);
// The left mouse button pressed, or released, at a point of the screen.
void PressMouseAt(POINT screen);
void ReleaseMouseAt(POINT screen);

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;

  HWND Field() const;   // the Earth weight
  HWND Result() const;  // the weight there
  HWND Radio(int destination) const;
  HWND MoreInfo() const;
  HWND Ok() const;
  HWND Hidden() const;  // the hidden default button

  std::string Weight() const;
  std::string There() const;
  // The destination whose button is checked: -1 when none is, -2 when several are.
  int CheckedDestination() const;

  // Waits until the weight field shows `text` / the result field shows `text`.
  bool WaitWeight(const std::string& text);
  bool WaitThere(const std::string& text);

  // Gives the weight field the focus (with a click when it lies elsewhere)
  // and selects its whole text with Home and Shift+End.
  void SelectWeight();
  // Replaces the weight field's text by typing (Delete for the empty text)
  // and waits until the field shows it.
  void TypeWeight(const std::string& text);
  // Replaces the weight field's text by pasting `text` from the clipboard
  // (Ctrl+V) and waits until the field's text has changed.
  void PasteWeight(const std::string& text);
  // The usual beginning: types 150 and clicks Mars, which shows 57.
  void Start150OnMars();

  // Presses Tab until `control` has the focus, at most once round the
  // window's tab stops; returns whether it got there.
  bool TabTo(HWND control);

  // Waits for "Please enter a number." captioned KORVN32, expects it to be
  // the only window of its kind, answers it with a click on OK and waits
  // until it has gone. Returns whether all of this happened.
  bool AnswerNumberMessage();
  // Lets everything sent to the window be handled, then expects no message box.
  void ExpectNoMessageBox();

  // With the focus in the weight field and its caret not at the start:
  // presses Home and waits until the caret is there, so every key sent
  // before has been handled, then lets the handling end (a round trip).
  bool HandledInField();

  // Escape closes the window and the process ends, with no message box on the way.
  void ExpectEscapeEnds();

  App app_;
  HWND main_ = nullptr;
};

}  // namespace e2e
