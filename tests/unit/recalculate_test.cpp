// Recalculation as the user meets it: the form wired to a fake main window,
// driven by typing, clicks and Enter, checked by what the window shows.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "destinations.h"
#include "fake_window.h"
#include "platform_ids.h"
#include "resource.h"

namespace {

constexpr int W = IDC_EARTH_WEIGHT;
constexpr int R = IDC_WEIGHT_THERE;
constexpr int None = kNoControl;

std::vector<int> Checked(int id) { return id == None ? std::vector<int>{} : std::vector<int>{id}; }

TEST(Recalculate, TypicalUse) {
  FakeGravityDlg dlg;
  const FakeScreen& screen = dlg.window.screen;

  // 1. The window opens.
  EXPECT_EQ(screen.Text(W), "0");
  EXPECT_EQ(screen.Text(R), "0");
  EXPECT_EQ(screen.CheckedIds(), Checked(None));
  EXPECT_EQ(screen.FocusId(), W);
  EXPECT_TRUE(screen.AllSelected(W));

  // 2, 3. 150, then a click on Mars: once as the field loses the focus (no
  // destination yet), once for the click.
  dlg.window.Type("150");
  dlg.window.Click(IDC_MARS);
  EXPECT_EQ(dlg.recalculations, 2);
  EXPECT_EQ(screen.Text(W), "150");
  EXPECT_EQ(screen.Get(W).textSets, 1);  // only the opening "0"; "150" is left as typed
  EXPECT_EQ(screen.Text(R), "57");
  EXPECT_EQ(screen.CheckedIds(), Checked(IDC_MARS));
  EXPECT_EQ(dlg.m_destination, 3);

  // 5. "abc" and Enter: the message while "abc" is still there, then 150 again.
  dlg.window.Type("abc");
  dlg.window.PressEnter();
  EXPECT_EQ(dlg.recalculations, 3);
  ASSERT_EQ(dlg.window.messages.size(), 1u);
  EXPECT_EQ(dlg.window.messages[0].stringId, unsigned{AFX_IDP_PARSE_REAL});
  EXPECT_EQ(dlg.window.messages[0].screen.Text(W), "abc");
  EXPECT_EQ(screen.Text(W), "150");
  EXPECT_EQ(screen.FocusId(), W);
  EXPECT_EQ(screen.Text(R), "57");
  EXPECT_EQ(screen.CheckedIds(), Checked(IDC_MARS));
}

TEST(Recalculate, RejectedTextAtStartStaysSelected) {
  FakeGravityDlg dlg;
  dlg.window.Type("abc");
  dlg.window.PressEnter();
  EXPECT_EQ(dlg.window.messages.size(), 1u);
  EXPECT_EQ(dlg.window.screen.Text(W), "abc");
  EXPECT_EQ(dlg.window.screen.FocusId(), W);
  EXPECT_TRUE(dlg.window.screen.AllSelected(W));
}

TEST(Recalculate, AllNineDestinationsFor150) {
  struct Case {
    int radioId;
    const char* shown;
  };
  const Case cases[] = {
      {IDC_MERCURY, "54"},   {IDC_VENUS, "130.5"},  {IDC_MOON, "25.5"},
      {IDC_MARS, "57"},      {IDC_JUPITER, "396"},  {IDC_SATURN, "169.5"},
      {IDC_URANUS, "160.5"}, {IDC_NEPTUNE, "211.5"}, {IDC_PLUTO, "6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "button " << c.radioId);
    FakeGravityDlg dlg;
    dlg.window.Type("150");
    dlg.window.Click(c.radioId);
    EXPECT_EQ(dlg.window.screen.Text(R), c.shown);
    EXPECT_EQ(dlg.window.screen.CheckedIds(), Checked(c.radioId));
    const Destination* row = LookupDestination(dlg.m_destination);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->radioId, c.radioId);
  }
}

// The message box takes the focus from the weight field; the EN_KILLFOCUS
// this raises arrives during the exchange and must reach no handler.
TEST(Recalculate, IsNotEnteredAgainByNotificationsOfItsOwnExchange) {
  FakeGravityDlg dlg;
  dlg.window.Type("150");
  dlg.window.Click(IDC_MARS);
  dlg.window.Type("abc");
  const int recalculationsBefore = dlg.recalculations;
  const int droppedBefore = dlg.window.droppedNotifications;

  dlg.window.PressEnter();

  EXPECT_EQ(dlg.window.droppedNotifications - droppedBefore, 1);
  EXPECT_EQ(dlg.recalculations - recalculationsBefore, 1);
  EXPECT_EQ(dlg.deepestNesting, 1);
  EXPECT_EQ(dlg.window.messages.size(), 1u);
  EXPECT_EQ(LockedOutWindow(), nullptr);
}

// ---- Courses: what the window shows after each of the user's steps ----------

struct Shown {
  std::string weight;
  std::string result;
  int checked;      // the checked radio button, or None
  int destination;  // m_destination
  int messages;     // "Please enter a number." boxes during the step
  int focus;
};

enum class Act { Type, Click, Enter };

struct Step {
  Act act;
  std::string text;  // Type
  int id;            // Click
  std::optional<Shown> shown;
};

Step Type(std::string text) { return {Act::Type, std::move(text), None, std::nullopt}; }
Step Click(int id, Shown shown) { return {Act::Click, "", id, std::move(shown)}; }
Step Enter(Shown shown) { return {Act::Enter, "", None, std::move(shown)}; }

struct Course {
  const char* name;
  std::vector<Step> steps;
};

const std::vector<Step> k150WithMars = {Type("150"), Click(IDC_MARS, {"150", "57", IDC_MARS, 3, 0, IDC_MARS})};

std::vector<Step> After(std::vector<Step> start, const std::vector<Step>& more) {
  start.insert(start.end(), more.begin(), more.end());
  return start;
}

const Course kCourses[] = {
    {"ClickAtStart", {Click(IDC_MARS, {"0", "0", IDC_MARS, 3, 0, IDC_MARS})}},
    {"NoDestination", {Type("150.0"), Enter({"150", "0", None, -1, 0, W})}},
    {"ZeroAndNegativeWeights",
     After(k150WithMars, {
         Type("-5"), Enter({"-5", "57", IDC_MARS, 3, 0, W}),
         Type("0.0"), Enter({"0.0", "57", IDC_MARS, 3, 0, W}),
         Type("00"), Click(IDC_VENUS, {"00", "57", IDC_VENUS, 1, 0, IDC_VENUS}),
         Type("-1e400"), Enter({"-1e400", "57", IDC_VENUS, 1, 0, W}),
     })},
    {"RejectedAfter150WithMars",
     After(k150WithMars, {
         Type("abc"), Enter({"150", "57", IDC_MARS, 3, 1, W}),
         Type(""), Enter({"150", "57", IDC_MARS, 3, 1, W}),
         Type("-0"), Enter({"150", "57", IDC_MARS, 3, 1, W}),
         // Leaving the field puts 150 and Mars back; then the click counts.
         Type("abc"), Click(IDC_VENUS, {"150", "130.5", IDC_VENUS, 1, 1, W}),
     })},
    {"RejectedAtStart",
     {
         Type("abc"), Enter({"abc", "0", None, -1, 1, W}),
         // Both recalculations fail; the button stays checked, unread.
         Click(IDC_MARS, {"abc", "0", IDC_MARS, -1, 2, W}),
     }},
    {"OverflowWithJupiterAndRecovery",
     {
         Type("1e308"), Click(IDC_JUPITER, {"1e+308", "1.#INF", IDC_JUPITER, 4, 0, IDC_JUPITER}),
         Enter({"1e+308", "1.#INF", IDC_JUPITER, 4, 1, R}),
         Click(IDC_MARS, {"1e+308", "1.#INF", IDC_JUPITER, 4, 1, R}),  // set back to Jupiter
         Type("150"), Enter({"150", "396", IDC_JUPITER, 4, 1, R}),
         Enter({"150", "396", IDC_JUPITER, 4, 0, R}),
     }},
    {"InfiniteEarthWeight",
     After(k150WithMars, {
         Type("1e999"), Enter({"1.#INF", "1.#INF", IDC_MARS, 3, 0, W}),
         Enter({"1.#INF", "1.#INF", IDC_MARS, 3, 1, W}),
         Type("150"), Enter({"150", "57", IDC_MARS, 3, 1, R}),
         Enter({"150", "57", IDC_MARS, 3, 0, R}),
     })},
    {"BelowNormalWithPluto",
     {
         Type("3e-308"), Click(IDC_PLUTO, {"3e-308", "1.2e-309", IDC_PLUTO, 8, 0, IDC_PLUTO}),
         Enter({"3e-308", "1.2e-309", IDC_PLUTO, 8, 1, R}),
         Type("150"), Enter({"150", "6", IDC_PLUTO, 8, 1, R}),
         Enter({"150", "6", IDC_PLUTO, 8, 0, R}),
     }},
};

class RecalculateCourse : public ::testing::TestWithParam<Course> {};

TEST_P(RecalculateCourse, ShowsWhatEachStepLeaves) {
  FakeGravityDlg dlg;
  const FakeScreen& screen = dlg.window.screen;
  int step = 0;
  for (const Step& s : GetParam().steps) {
    SCOPED_TRACE(::testing::Message() << "step " << ++step);
    const std::size_t messagesBefore = dlg.window.messages.size();
    switch (s.act) {
      case Act::Type: dlg.window.Type(s.text); break;
      case Act::Click: dlg.window.Click(s.id); break;
      case Act::Enter: dlg.window.PressEnter(); break;
    }
    if (!s.shown) continue;
    const Shown& expected = *s.shown;
    EXPECT_EQ(screen.Text(W), expected.weight);
    EXPECT_EQ(screen.Text(R), expected.result);
    EXPECT_EQ(screen.CheckedIds(), Checked(expected.checked));
    EXPECT_EQ(dlg.m_destination, expected.destination);
    EXPECT_EQ(screen.FocusId(), expected.focus);
    EXPECT_EQ(dlg.window.messages.size() - messagesBefore, static_cast<std::size_t>(expected.messages));
    for (std::size_t i = messagesBefore; i < dlg.window.messages.size(); ++i) {
      EXPECT_EQ(dlg.window.messages[i].stringId, unsigned{AFX_IDP_PARSE_REAL});
    }
  }
  EXPECT_EQ(dlg.deepestNesting, dlg.recalculations > 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(UserCourses, RecalculateCourse, ::testing::ValuesIn(kCourses),
                         [](const ::testing::TestParamInfo<Course>& info) { return info.param.name; });

}  // namespace
