#include "icon_position.h"

#include <gtest/gtest.h>

namespace {

// The minimised main window centres its 32-pixel icon; a client area
// narrower than the icon gives a negative offset rounded toward zero.
TEST(CentredIconOffset, TruncatesTowardZero) {
  struct Case {
    int client;
    int offset;
  };
  for (const Case c : {Case{37, 3}, Case{36, 2}, Case{32, 0}, Case{20, -5}, Case{0, -15}}) {
    EXPECT_EQ(CentredIconOffset(c.client, 32), c.offset) << "client " << c.client;
  }
}

}  // namespace
