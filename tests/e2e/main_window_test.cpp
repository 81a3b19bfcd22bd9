// The main window as a person finds it at start and in its typical use, its
// keyboard, its ways of closing, and every kind of text a person can put
// into the weight field.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver.h"
#include "main_window_driver.h"
#include "resource.h"

namespace e2e {
namespace {

constexpr int kRadios[] = {IDC_MERCURY, IDC_VENUS, IDC_MOON,    IDC_MARS,  IDC_JUPITER,
                           IDC_SATURN,  IDC_URANUS, IDC_NEPTUNE, IDC_PLUTO};

using MainWindow = MainWindowTest;

TEST_F(MainWindow, StartsWithZerosNoDestinationAndTheWeightSelected) {
  EXPECT_EQ(Text(main_), "Korvane / 32");
  EXPECT_EQ(ControlText(main_, IDC_EARTH_WEIGHT), "0");
  EXPECT_EQ(ControlText(main_, IDC_WEIGHT_THERE), "0");
  for (int id : kRadios) EXPECT_FALSE(Checked(main_, id)) << "radio button " << id;
  EXPECT_EQ(app_.Focus(), Field());
  EXPECT_EQ(Selection(Field()), std::make_pair(0, 1));
  EXPECT_EQ(Foreground(), main_);
}

// The template's font is 8-point "MS Sans Serif": with dialog base units of
// 6 x 13 pixels the client area of 268 x 163 units is 402 x 265 pixels. A
// wider stand-in font (DejaVu Sans gives 7 x 13) makes everything larger.
TEST_F(MainWindow, IsLaidOutInMsSansSerif) {
  const RECT client = ClientRect(main_);
  EXPECT_EQ(client.right, MulDiv(268, 6, 4));
  EXPECT_EQ(client.bottom, MulDiv(163, 13, 8));
  // The weight field at 220, 40, 40 x 12 units.
  RECT field = WindowRect(Field());
  MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&field), 2);
  EXPECT_EQ(field.left, MulDiv(220, 6, 4));
  EXPECT_EQ(field.top, MulDiv(40, 13, 8));
  EXPECT_EQ(field.right - field.left, MulDiv(40, 6, 4));
  EXPECT_EQ(field.bottom - field.top, MulDiv(12, 13, 8));
}

TEST_F(MainWindow, TypingAWeightAndClickingMarsShowsTheWeightThere) {
  Type("150");
  ASSERT_TRUE(WaitUntil([&] { return ControlText(main_, IDC_EARTH_WEIGHT) == "150"; }));
  Click(Control(main_, IDC_MARS));
  EXPECT_TRUE(WaitUntil([&] { return ControlText(main_, IDC_WEIGHT_THERE) == "57"; }))
      << "weight there: " << ControlText(main_, IDC_WEIGHT_THERE);
  EXPECT_TRUE(Checked(main_, IDC_MARS));
  EXPECT_EQ(ControlText(main_, IDC_EARTH_WEIGHT), "150");
  Screenshot(main_, "Mars-57");
}

// ---- The typical use ------------------------------------------------------

TEST_F(MainWindow, TypicalUse) {
  // 1. Zeros, no destination, the focus in the weight field with its text selected.
  EXPECT_EQ(Weight(), "0");
  EXPECT_EQ(There(), "0");
  EXPECT_EQ(CheckedDestination(), -1);
  EXPECT_EQ(app_.Focus(), Field());
  EXPECT_EQ(Selection(Field()), std::make_pair(0, 1));

  // 2. 150 typed, the mouse pressed on Mars: the field loses the focus and
  // recalculates with no destination yet, which changes nothing.
  Type("150");
  ASSERT_TRUE(WaitWeight("150"));
  const POINT mars = Centre(Radio(kMars));
  PressMouseAt(mars);
  ASSERT_TRUE(WaitUntil([&] { return app_.Focus() == Radio(kMars); }));
  ASSERT_TRUE(app_.RoundTrip(main_));
  EXPECT_EQ(Weight(), "150");
  EXPECT_EQ(There(), "0");
  EXPECT_EQ(CheckedDestination(), -1);

  // 3. The click itself: Mars, 150 x 0.38 = 57.
  ReleaseMouseAt(mars);
  EXPECT_TRUE(WaitThere("57")) << "the weight there: " << There();
  EXPECT_EQ(CheckedDestination(), kMars);
  EXPECT_EQ(Weight(), "150");
  EXPECT_EQ(app_.Focus(), Radio(kMars));

  // 5. "abc" in place of 150 and Enter: the message, once; then 150 again
  // with the focus in the field, 57 and Mars. (The message's end selects
  // "abc"; writing 150 back then replaces the text, and with it the
  // selection.)
  TypeWeight("abc");
  PressKey(VK_RETURN);
  ASSERT_TRUE(AnswerNumberMessage());
  EXPECT_TRUE(WaitWeight("150")) << "the weight field shows " << Weight();
  EXPECT_EQ(app_.Focus(), Field());
  EXPECT_EQ(There(), "57");
  EXPECT_EQ(CheckedDestination(), kMars);
  ExpectNoMessageBox();
  Screenshot(main_, "after-the-message");
}

// With nothing accepted yet (the stored weight is 0) there is nothing to
// show again: the rejected text stays, selected.
TEST_F(MainWindow, EnterWithARejectedTextAtStartKeepsItSelected) {
  Type("abc");
  ASSERT_TRUE(WaitWeight("abc"));
  PressKey(VK_RETURN);
  ASSERT_TRUE(AnswerNumberMessage());
  EXPECT_TRUE(WaitUntil([&] { return app_.Focus() == Field(); }));
  EXPECT_EQ(Weight(), "abc");
  EXPECT_EQ(Selection(Field()), std::make_pair(0, 3));
  EXPECT_EQ(There(), "0");
  EXPECT_EQ(CheckedDestination(), -1);
  ExpectNoMessageBox();
}

// ---- Enter ------------------------------------------------------------------

TEST_F(MainWindow, EnterInTheWeightFieldRecalculatesAndKeepsTheFocus) {
  Start150OnMars();
  TypeWeight("2e2");
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitThere("76")) << "the weight there: " << There();
  EXPECT_TRUE(WaitWeight("200")) << "written back in the program's format: " << Weight();
  EXPECT_EQ(app_.Focus(), Field());
  EXPECT_TRUE(Visible(main_));
  ExpectNoMessageBox();
}

TEST_F(MainWindow, EnterWithOkFocusedClosesAndTheProcessEnds) {
  Start150OnMars();
  ASSERT_TRUE(TabTo(Ok()));
  PressKey(VK_RETURN);
  EXPECT_TRUE(app_.WaitExit());
}

// The fact sheet is not built yet: More info opens nothing and the window
// stays as it was.
TEST_F(MainWindow, EnterWithMoreInfoFocusedLeavesTheWindowAsItWas) {
  Start150OnMars();
  ASSERT_TRUE(TabTo(MoreInfo()));
  PressKey(VK_RETURN);
  // Tab from More info reaches OK only once the Enter has been handled.
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return app_.Focus() == Ok(); }));
  ExpectNoMessageBox();
  EXPECT_EQ(app_.Windows(), std::vector<HWND>{main_});
  EXPECT_EQ(Weight(), "150");
  EXPECT_EQ(There(), "57");
  EXPECT_EQ(CheckedDestination(), kMars);
}

// ---- Closing ----------------------------------------------------------------

struct CloseWay {
  const char* name;
  void (*close)(HWND main);
};

void PrintTo(const CloseWay& c, std::ostream* out) { *out << c.name; }

class MainWindowCloses : public MainWindowTest, public ::testing::WithParamInterface<CloseWay> {};

// Closing reads nothing: a text that is not a number brings no message.
TEST_P(MainWindowCloses, WithARejectedTextAndNoMessage) {
  Start150OnMars();
  TypeWeight("abc");
  GetParam().close(main_);
  bool message = false;
  WaitUntil([&] {
    message = message || !app_.MessageBoxes().empty();
    return message || !app_.Running();
  });
  EXPECT_FALSE(message) << "a message box appeared on closing";
  EXPECT_TRUE(app_.WaitExit()) << "the process is still running";
}

INSTANTIATE_TEST_SUITE_P(MainWindow, MainWindowCloses,
                         ::testing::Values(CloseWay{"Escape", [](HWND) { PressKey(VK_ESCAPE); }},
                                           CloseWay{"CloseBox", [](HWND main) { ClickCloseBox(main); }},
                                           CloseWay{"AltF4", [](HWND) { Chord({VK_MENU, VK_F4}); }}),
                         [](const auto& info) { return std::string(info.param.name); });

// OK reads the form and closes only when the read succeeds. A text that
// does not read can stand in a field while OK is pressed only in the result
// field: leaving the weight field reads it first. 1e308 on Jupiter puts
// "1.#INF" there.
class MainWindowOk : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MainWindowOk, WithAFieldThatDoesNotReadShowsTheMessageAndStaysOpen) {
  Type("1e308");
  ASSERT_TRUE(WaitWeight("1e308"));
  Click(Radio(kJupiter));
  ASSERT_TRUE(WaitThere("1.#INF")) << "the weight there: " << There();
  if (GetParam()) {
    ASSERT_TRUE(TabTo(Ok()));
    PressKey(VK_RETURN);
  } else {
    Click(Ok());
  }
  ASSERT_TRUE(AnswerNumberMessage());
  EXPECT_TRUE(WaitUntil([&] { return app_.Focus() == Result(); }));
  EXPECT_TRUE(app_.Running());
  EXPECT_TRUE(Visible(main_));
  EXPECT_EQ(CheckedDestination(), kJupiter);
  ExpectNoMessageBox();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, MainWindowOk, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "EnterOnOk" : "Click"); });

// ---- Radio buttons ----------------------------------------------------------

// Pressing the mouse on a destination takes the focus from the weight field,
// which recalculates with the destination as it was; releasing it is the
// click, which recalculates for the new one.
struct TwiceCase {
  const char* name;
  bool mars_first;           // start from 150 on Mars (57)
  const char* typed;         // then type this
  const char* after_leaving; // the weight there once the field has lost the focus
  const char* weight_shown;  // the weight field, written back on leaving
  const char* after_click;   // the weight there on Jupiter
};

void PrintTo(const TwiceCase& c, std::ostream* out) { *out << c.name; }

class MainWindowRadioClick : public MainWindowTest, public ::testing::WithParamInterface<TwiceCase> {};

TEST_P(MainWindowRadioClick, WhileTheFieldHasTheFocusRecalculatesTwice) {
  const TwiceCase& c = GetParam();
  const int before = c.mars_first ? kMars : -1;
  if (c.mars_first) {
    Start150OnMars();
    TypeWeight(c.typed);
  } else {
    Type(c.typed);
    ASSERT_TRUE(WaitWeight(c.typed));
  }
  const POINT jupiter = Centre(Radio(kJupiter));
  PressMouseAt(jupiter);
  ASSERT_TRUE(WaitUntil([&] { return app_.Focus() == Radio(kJupiter); }));
  ASSERT_TRUE(app_.RoundTrip(main_));
  EXPECT_EQ(Weight(), c.weight_shown);
  EXPECT_EQ(There(), c.after_leaving);
  EXPECT_EQ(CheckedDestination(), before);
  ReleaseMouseAt(jupiter);
  EXPECT_TRUE(WaitThere(c.after_click)) << "the weight there: " << There();
  EXPECT_EQ(CheckedDestination(), kJupiter);
  EXPECT_EQ(Weight(), c.weight_shown);
  ExpectNoMessageBox();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, MainWindowRadioClick,
                         ::testing::Values(TwiceCase{"AtStart", false, "150.0", "0", "150", "396"},
                                           TwiceCase{"AfterMars", true, "200", "76", "200", "528"}),
                         [](const auto& info) { return std::string(info.param.name); });

// With the focus on the checked destination a click on it leaves no field,
// so only the click itself can read the form. After 1e308 on Jupiter every
// read fails at the result field: the message shows that the click read.
TEST_F(MainWindow, ClickingTheCheckedDestinationAgainRecalculates) {
  Type("1e308");
  ASSERT_TRUE(WaitWeight("1e308"));
  Click(Radio(kJupiter));
  ASSERT_TRUE(WaitThere("1.#INF")) << "the weight there: " << There();
  ASSERT_EQ(app_.Focus(), Radio(kJupiter));
  Click(Radio(kJupiter));
  ASSERT_TRUE(AnswerNumberMessage());
  EXPECT_TRUE(WaitUntil([&] { return app_.Focus() == Result(); }));
  EXPECT_EQ(Selection(Result()), std::make_pair(0, 6));
  EXPECT_EQ(CheckedDestination(), kJupiter);
  ExpectNoMessageBox();
}

struct ArrowCase {
  const char* name;
  int from;
  WORD key;
  int to;
};

void PrintTo(const ArrowCase& c, std::ostream* out) { *out << c.name; }

class MainWindowArrows : public MainWindowTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(MainWindowArrows, MoveTheCheckAndRecalculate) {
  const ArrowCase& c = GetParam();
  Type("150");
  ASSERT_TRUE(WaitWeight("150"));
  Click(Radio(c.from));
  ASSERT_TRUE(WaitThere(kWeightsFor150[c.from]));
  ASSERT_EQ(app_.Focus(), Radio(c.from));
  PressKey(c.key);
  EXPECT_TRUE(WaitThere(kWeightsFor150[c.to])) << "the weight there: " << There();
  EXPECT_EQ(CheckedDestination(), c.to);
  EXPECT_EQ(app_.Focus(), Radio(c.to));
  ExpectNoMessageBox();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, MainWindowArrows,
                         ::testing::Values(ArrowCase{"DownFromMarsToJupiter", kMars, VK_DOWN, kJupiter},
                                           ArrowCase{"RightFromMarsToJupiter", kMars, VK_RIGHT, kJupiter},
                                           ArrowCase{"UpFromMarsToTheMoon", kMars, VK_UP, kMoon},
                                           ArrowCase{"LeftFromMarsToTheMoon", kMars, VK_LEFT, kMoon},
                                           ArrowCase{"DownFromPlutoRoundToMercury", kPluto, VK_DOWN, kMercury},
                                           ArrowCase{"UpFromMercuryRoundToPluto", kMercury, VK_UP, kPluto}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Tab ----------------------------------------------------------------------

// Tab and Shift+Tab go round the tab stops. Whatever the platform's dialog
// manager does with a radio group that has no checked button (Windows
// focuses its first button, which then checks itself; Wine passes the group
// by), the result field and the hidden button are never reached. With a
// destination checked, the round is exactly: weight field, that destination,
// More info, OK.
class MainWindowTab : public MainWindowTest, public ::testing::WithParamInterface<bool> {
 protected:
  // The controls that have the focus after each of `count` presses.
  std::vector<HWND> Round(bool backwards, int count) {
    std::vector<HWND> seen;
    for (int i = 0; i < count; ++i) {
      const HWND before = app_.Focus();
      if (backwards)
        Chord({VK_SHIFT, VK_TAB});
      else
        PressKey(VK_TAB);
      if (!WaitUntil([&] { return app_.Focus() && app_.Focus() != before; })) {
        ADD_FAILURE() << "Tab moved the focus nowhere after " << i << " presses";
        break;
      }
      seen.push_back(app_.Focus());
    }
    return seen;
  }
};

TEST_P(MainWindowTab, NeverReachesTheResultFieldOrTheHiddenButton) {
  const bool mars = GetParam();
  if (mars) {
    Start150OnMars();
    Click(Field());
  }
  ASSERT_TRUE(WaitUntil([&] { return app_.Focus() == Field(); }));
  // Each round starts where the one before ended.
  for (bool backwards : {false, true}) {
    SCOPED_TRACE(backwards ? "Shift+Tab" : "Tab");
    const HWND start = app_.Focus();
    const auto seen = Round(backwards, 9);
    for (HWND focus : seen) {
      EXPECT_NE(focus, Result()) << "the result field has the focus";
      EXPECT_NE(focus, Hidden()) << "the hidden button has the focus";
      EXPECT_EQ(GetParent(focus), main_) << "the focus left the window";
    }
    for (HWND stop : {Field(), MoreInfo(), Ok()})
      EXPECT_NE(std::find(seen.begin(), seen.end(), stop), seen.end()) << "a tab stop was not reached";
    if (mars) {
      const std::vector<HWND> stops = {Field(), Radio(kMars), MoreInfo(), Ok()};
      const int first = static_cast<int>(std::find(stops.begin(), stops.end(), start) - stops.begin());
      std::vector<HWND> expected;
      for (int i = 1; i <= 9; ++i) expected.push_back(stops[(first + (backwards ? 4 * 9 - i : i)) % 4]);
      EXPECT_EQ(seen, expected);
    }
  }
  ExpectNoMessageBox();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, MainWindowTab, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "MarsChecked" : "NoneChecked"); });

// ---- Whatever the weight field holds --------------------------------------

// Every text a person can type or paste ends in one of three ways, after
// 150 on Mars (57) and Enter: accepted (the field in the program's format and
// the new weight there), rejected (the message, then 150 and 57 again), or
// accepted but not positive (nothing computed, the text stays). The program
// then still answers, and Escape still closes it.
enum class Outcome { kAccepted, kRejected, kKept };

struct FieldText {
  const char* name;
  std::string text;
  bool pasted;  // from the clipboard (Ctrl+V) rather than typed
  Outcome outcome;
  const char* weight = "";  // when accepted: the field and the weight there on Mars
  const char* there = "";
};

FieldText Typed(const char* name, std::string text, Outcome outcome, const char* weight = "",
                const char* there = "") {
  return {name, std::move(text), false, outcome, weight, there};
}
FieldText Pasted(const char* name, std::string text, Outcome outcome, const char* weight = "",
                 const char* there = "") {
  return {name, std::move(text), true, outcome, weight, there};
}

std::string AllHighBytes() {
  std::string bytes;
  for (int b = 0x80; b <= 0xFF; ++b) bytes += static_cast<char>(b);
  return bytes;
}

void PrintTo(const FieldText& c, std::ostream* out) { *out << c.name; }

class MainWindowFieldText : public MainWindowTest, public ::testing::WithParamInterface<FieldText> {};

TEST_P(MainWindowFieldText, EndsInAnOutcomeAndTheProgramGoesOn) {
  const FieldText& c = GetParam();
  Start150OnMars();
  if (c.pasted)
    PasteWeight(c.text);
  else
    TypeWeight(c.text);
  if (HasFatalFailure()) return;
  const std::string held = Weight();  // what the field took of it
  PressKey(VK_RETURN);
  switch (c.outcome) {
    case Outcome::kAccepted:
      EXPECT_TRUE(WaitWeight(c.weight)) << "the weight field shows " << Weight();
      EXPECT_TRUE(WaitThere(c.there)) << "the weight there: " << There();
      break;
    case Outcome::kRejected:
      ASSERT_TRUE(AnswerNumberMessage());
      EXPECT_TRUE(WaitWeight("150")) << "the weight field shows " << Weight().substr(0, 60);
      EXPECT_EQ(There(), "57");
      break;
    case Outcome::kKept:
      ASSERT_TRUE(HandledInField());
      EXPECT_EQ(Weight(), held);
      EXPECT_EQ(There(), "57");
      break;
  }
  EXPECT_EQ(app_.Focus(), Field());
  EXPECT_EQ(CheckedDestination(), kMars);
  ExpectNoMessageBox();
  EXPECT_TRUE(app_.Running());
  ExpectEscapeEnds();
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowFieldText,
    ::testing::Values(
        Typed("Empty", "", Outcome::kRejected), Typed("Blanks", "   ", Outcome::kRejected),
        Typed("MinusZero", "-0", Outcome::kRejected), Typed("PlusZero", "+0", Outcome::kRejected),
        Typed("PointZero", ".0", Outcome::kRejected), Typed("Point", ".", Outcome::kRejected),
        Typed("Minus", "-", Outcome::kRejected), Typed("Plus", "+", Outcome::kRejected),
        Typed("Letters", "abc", Outcome::kRejected), Typed("LetterFirst", "x1", Outcome::kRejected),
        Typed("Unit", "150 kg", Outcome::kRejected), Typed("Comma", "1,5", Outcome::kRejected),
        Typed("SignAfterNumber", "1+5", Outcome::kRejected), Typed("BareExponent", "1e", Outcome::kRejected),
        Typed("ExponentSignOnly", "1e+", Outcome::kRejected), Typed("Hexadecimal", "0x10", Outcome::kRejected),
        Typed("InfinityText", "1.#INF", Outcome::kRejected),
        Typed("Punctuation", "!\"#$%&'*,/:;<=>?@[\\]^_`{|}~", Outcome::kRejected),
        Pasted("Brackets", "(150)", Outcome::kRejected),
        Typed("TooSmall", "1e-400", Outcome::kRejected),
        Typed("NumberAfter32Blanks", std::string(32, ' ').append("150"), Outcome::kRejected),
        Typed("BlanksAround", " 200 ", Outcome::kAccepted, "200", "76"),
        Typed("TrailingPoint", "200.", Outcome::kAccepted, "200", "76"),
        Typed("PlusSign", "+200", Outcome::kAccepted, "200", "76"),
        Typed("ExponentD", "1d3", Outcome::kAccepted, "1000", "380"),
        Typed("Fraction", ".5", Outcome::kAccepted, "0.5", "0.19"),
        Typed("NumberThen40Blanks", std::string("150").append(40, ' '), Outcome::kAccepted, "150", "57"),
        Typed("Only31CharactersRead", std::string("1").append(40, '0'), Outcome::kAccepted, "1e+030", "3.8e+029"),
        Typed("TooLarge", "1e400", Outcome::kAccepted, "1.#INF", "1.#INF"),
        Typed("MinusTooLarge", "-1e400", Outcome::kKept), Typed("ZeroWithExponent", "0e5", Outcome::kKept),
        Pasted("TabsAround", "\t200\t", Outcome::kAccepted, "200", "76"),
        Pasted("TwoLines", "200\r\n999", Outcome::kAccepted, "200", "76"),
        Pasted("ControlCharacterFirst", "\x01" "150", Outcome::kRejected),
        Pasted("ControlCharacterAfter", "150\x1b", Outcome::kRejected),
        Pasted("NoBreakSpaceAfter", "150\xa0", Outcome::kRejected),
        Pasted("HighByteFirst", "\xbd" "150", Outcome::kRejected),
        Pasted("AllHighBytes", AllHighBytes(), Outcome::kRejected),
        Pasted("VeryLongDigits", std::string(40000, '1'), Outcome::kAccepted, "1.11111111111111e+030",
               "4.22222222222222e+029"),
        Pasted("VeryLongBlanks", std::string(40000, ' '), Outcome::kRejected),
        Pasted("VeryLongHighBytes", std::string(40000, '\xff'), Outcome::kRejected)),
    [](const auto& info) { return std::string(info.param.pasted ? "Pasted" : "Typed") + info.param.name; });

}  // namespace
}  // namespace e2e
