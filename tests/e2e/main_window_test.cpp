// The main window as a person finds it at start and in its typical use.
#include <gtest/gtest.h>

#include "driver.h"
#include "resource.h"

namespace e2e {
namespace {

constexpr int kRadios[] = {IDC_MERCURY, IDC_VENUS, IDC_MOON,    IDC_MARS,  IDC_JUPITER,
                           IDC_SATURN,  IDC_URANUS, IDC_NEPTUNE, IDC_PLUTO};

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    main_ = app_.MainWindow();
    ASSERT_NE(main_, nullptr) << "the main window did not appear";
  }
  HWND Field() const { return Control(main_, IDC_EARTH_WEIGHT); }

  App app_;
  HWND main_ = nullptr;
};

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

}  // namespace
}  // namespace e2e
