#include "destinations.h"

#include <gtest/gtest.h>

#include "number_text.h"
#include "resource.h"

namespace {

struct Row {
  int index;
  const char* label;
  int radioId;
  double factor;
  int sheetId;
  const char* sheetTitle;
  int photoId;
};

// The catalogue as the program documents it; ids written as numbers so that a
// wrong #define in resource.h is caught too.
const Row kExpected[] = {
    {0, "Mercury", 1004, 0.36, 132, "Mercury", 155},
    {1, "Venus", 1006, 0.87, 134, "Venus", 156},
    {2, "Earth's Moon", 1007, 0.17, 135, "Earth's Moon (Luna)", 157},
    {3, "Mars", 1005, 0.38, 136, "Mars", 158},
    {4, "Jupiter", 1008, 2.64, 137, "Jupiter", 159},
    {5, "Saturn", 1009, 1.13, 138, "Saturn", 160},
    {6, "Uranus", 1010, 1.07, 139, "Uranus", 161},
    {7, "Neptune", 1011, 1.41, 140, "Neptune", 162},
    {8, "Pluto", 1012, 0.04, 141, "Pluto", 163},
};

TEST(Destinations, EveryRowByIndexAndInOrder) {
  ASSERT_EQ(Destinations().size(), std::size(kExpected));
  for (const Row& want : kExpected) {
    SCOPED_TRACE(want.label);
    const Destination* got = LookupDestination(want.index);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(got, &Destinations()[want.index]);
    EXPECT_EQ(got->index, want.index);
    EXPECT_STREQ(got->label, want.label);
    EXPECT_EQ(got->radioId, want.radioId);
    EXPECT_EQ(got->factor, want.factor);
    EXPECT_EQ(got->sheetId, want.sheetId);
    EXPECT_STREQ(got->sheetTitle, want.sheetTitle);
    EXPECT_EQ(got->photoId, want.photoId);
  }
}

TEST(Destinations, NoRowOutsideZeroToEight) {
  for (std::int32_t index : {-1, 9, -2, 10, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(LookupDestination(index), nullptr) << index;
  }
}

TEST(Destinations, HundredTimesEachFactorAsTheWindowShowsIt) {
  const char* shown[] = {"36", "87", "17", "38", "264", "113", "107", "141", "4"};
  for (const Destination& d : Destinations()) {
    EXPECT_EQ(FormatNumber(100.0 * d.factor), shown[d.index]) << d.label;
  }
  // Saturn's product is the double just below 113, which still shows as "113".
  EXPECT_LT(100.0 * LookupDestination(5)->factor, 113.0);
}

}  // namespace
