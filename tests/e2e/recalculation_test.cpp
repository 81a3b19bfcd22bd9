// Recalculation through the real window: the weight there for each
// destination, weights that stop before any computation, and the courses a
// result outside the normal range of a double takes until it is whole again.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "main_window_driver.h"

namespace e2e {
namespace {

const char* const kNames[9] = {"Mercury", "Venus",  "Moon",    "Mars", "Jupiter",
                               "Saturn",  "Uranus", "Neptune", "Pluto"};

using Recalculation = MainWindowTest;

class RecalculationOf150 : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(RecalculationOf150, ShowsTheWeightThere) {
  const int destination = GetParam();
  Type("150");
  ASSERT_TRUE(WaitWeight("150"));
  Click(Radio(destination));
  EXPECT_TRUE(WaitThere(kWeightsFor150[destination])) << "the weight there: " << There();
  EXPECT_EQ(CheckedDestination(), destination);
  EXPECT_EQ(Weight(), "150");
  ExpectNoMessageBox();
}

INSTANTIATE_TEST_SUITE_P(Recalculation, RecalculationOf150, ::testing::Range(0, 9),
                         [](const auto& info) { return std::string(kNames[info.param]); });

// At start the weight is 0: a click reads it, stops before computing and
// leaves "0" there; the clicked button stays checked.
TEST_F(Recalculation, AtStartAClickComputesNothing) {
  Click(Radio(kJupiter));
  ASSERT_TRUE(WaitUntil([&] { return CheckedDestination() == kJupiter; }));
  ASSERT_TRUE(app_.RoundTrip(main_));
  EXPECT_EQ(Weight(), "0");
  EXPECT_EQ(There(), "0");
  ExpectNoMessageBox();
}

// A positive weight with no destination: only the write-back, which puts the
// weight in the program's format.
TEST_F(Recalculation, WithNoDestinationOnlyWritesTheWeightBack) {
  Type("150.0");
  ASSERT_TRUE(WaitWeight("150.0"));
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitWeight("150")) << "the weight field shows " << Weight();
  EXPECT_EQ(There(), "0");
  EXPECT_EQ(CheckedDestination(), -1);
  ExpectNoMessageBox();
}

// Zero and negative weights are read but stop the recalculation before the
// product and before any write-back: the typed text stays, the weight there
// keeps the earlier result, and a click changes only the check.
class RecalculationNotPositive : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RecalculationNotPositive, ComputesAndWritesNothing) {
  const std::string text = GetParam();
  Start150OnMars();
  TypeWeight(text);
  PressKey(VK_RETURN);
  ASSERT_TRUE(HandledInField());
  EXPECT_EQ(Weight(), text);
  EXPECT_EQ(There(), "57");
  EXPECT_EQ(CheckedDestination(), kMars);

  Click(Radio(kJupiter));
  ASSERT_TRUE(WaitUntil([&] { return CheckedDestination() == kJupiter; }));
  ASSERT_TRUE(app_.RoundTrip(main_));
  EXPECT_EQ(Weight(), text);
  EXPECT_EQ(There(), "57");
  ExpectNoMessageBox();
}

INSTANTIATE_TEST_SUITE_P(Recalculation, RecalculationNotPositive, ::testing::Values("0", "0.0", "00", "-5"),
                         [](const auto& info) {
                           std::string name;
                           for (const char* p = info.param; *p; ++p)
                             name += *p == '-' ? "Minus" : *p == '.' ? "Point" : std::string(1, *p);
                           return name;
                         });

// A product outside the normal range shows a text that does not read back
// ("1.#INF", or a value too small for a normal double, which reads as 0).
// From then on every read fails at the result field: the message, the focus
// on the result field with its text selected, and - the destination being
// left unread - the radio group set back. A smaller weight ends it: its read
// still fails once, and its recalculation replaces the text.
struct OutOfRange {
  const char* name;
  const char* typed;
  int destination;
  const char* weight_shown;
  const char* there_shown;
};

void PrintTo(const OutOfRange& c, std::ostream* out) { *out << c.name; }

class RecalculationOutOfRange : public MainWindowTest, public ::testing::WithParamInterface<OutOfRange> {};

TEST_P(RecalculationOutOfRange, FailsAtTheResultFieldUntilASmallerWeight) {
  const OutOfRange& c = GetParam();
  const std::string there = c.there_shown;
  Type(c.typed);
  ASSERT_TRUE(WaitWeight(c.typed));
  Click(Radio(c.destination));
  ASSERT_TRUE(WaitThere(there)) << "the weight there: " << There();
  EXPECT_EQ(Weight(), c.weight_shown);
  EXPECT_EQ(CheckedDestination(), c.destination);
  ExpectNoMessageBox();
  Screenshot(main_, "out-of-range");

  // Another destination: the read fails at the result field.
  Click(Radio(kMars));
  ASSERT_TRUE(AnswerNumberMessage());
  EXPECT_TRUE(WaitUntil([&] { return app_.Focus() == Result(); }));
  EXPECT_EQ(Selection(Result()), std::make_pair(0, static_cast<int>(there.size())));
  EXPECT_TRUE(WaitUntil([&] { return CheckedDestination() == c.destination; }))
      << "the radio group is not set back: " << CheckedDestination();
  EXPECT_EQ(There(), there);
  EXPECT_EQ(Weight(), c.weight_shown);
  ExpectNoMessageBox();

  // A smaller weight: the message once more, then its own result.
  TypeWeight("150");
  PressKey(VK_RETURN);
  ASSERT_TRUE(AnswerNumberMessage());
  EXPECT_TRUE(WaitThere(kWeightsFor150[c.destination])) << "the weight there: " << There();
  EXPECT_EQ(Weight(), "150");
  EXPECT_EQ(app_.Focus(), Result());
  EXPECT_EQ(CheckedDestination(), c.destination);
  ExpectNoMessageBox();

  // Over: the next click reads the whole form.
  Click(Radio(kMars));
  EXPECT_TRUE(WaitThere("57")) << "the weight there: " << There();
  EXPECT_EQ(CheckedDestination(), kMars);
  ExpectNoMessageBox();
}

INSTANTIATE_TEST_SUITE_P(Recalculation, RecalculationOutOfRange,
                         ::testing::Values(OutOfRange{"TooLargeOnJupiter", "1e308", kJupiter, "1e+308", "1.#INF"},
                                           OutOfRange{"TooSmallOnPluto", "3e-308", kPluto, "3e-308", "1.2e-309"}),
                         [](const auto& info) { return std::string(info.param.name); });

// An Earth weight too large for a double reads as infinity: both fields
// show "1.#INF". Every later read fails at the weight field, until a number
// is typed there; that read fails once more at the result field, and then
// the display is whole again.
TEST_F(Recalculation, InfiniteWeightFailsAtTheWeightFieldThenOnceAtTheResult) {
  Start150OnMars();
  TypeWeight("1e999");
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitWeight("1.#INF")) << "the weight field shows " << Weight();
  EXPECT_TRUE(WaitThere("1.#INF")) << "the weight there: " << There();
  ExpectNoMessageBox();
  Screenshot(main_, "infinite");

  PressKey(VK_RETURN);
  ASSERT_TRUE(AnswerNumberMessage());
  EXPECT_TRUE(WaitUntil([&] { return app_.Focus() == Field(); }));
  EXPECT_EQ(Selection(Field()), std::make_pair(0, 6));
  EXPECT_EQ(Weight(), "1.#INF");
  EXPECT_EQ(There(), "1.#INF");
  EXPECT_EQ(CheckedDestination(), kMars);
  ExpectNoMessageBox();

  TypeWeight("150");
  PressKey(VK_RETURN);
  ASSERT_TRUE(AnswerNumberMessage());
  EXPECT_TRUE(WaitThere("57")) << "the weight there: " << There();
  EXPECT_EQ(Weight(), "150");
  EXPECT_EQ(app_.Focus(), Result());
  EXPECT_EQ(CheckedDestination(), kMars);
  ExpectNoMessageBox();

  Click(Radio(kJupiter));
  EXPECT_TRUE(WaitThere("396")) << "the weight there: " << There();
  ExpectNoMessageBox();
}

}  // namespace
}  // namespace e2e
