// The About box: the ways a person opens it from the main window's system
// menu and closes it, what it shows, and that it is modal and built afresh.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"
#include "resource.h"

namespace e2e {
namespace {

const std::string kCaption = "About Korvane / 32 (v1.0)";
const std::string kTextC =
    "As the main dialog of the program so aptly describes, this program is \"a tool for dreaming\" about going "
    "not just to foreign lands, but foreign planets!  For the history behind this Win32 program, please refer to "
    "the online help file (KORVN32.HLP).";

// Texts of a dialog's static controls, in template order.
std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassName(child) == "Static" && !(GetWindowLongA(child, GWL_STYLE) & SS_ICON)) texts.push_back(Text(child));
  return texts;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class AboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    main_ = app_.MainWindow();
    ASSERT_NE(main_, nullptr) << "the main window did not appear";
  }

  // The About box once it is open, with the main window disabled behind it.
  HWND WaitAbout(const std::vector<HWND>& except = {}) {
    HWND about = app_.WaitWindow(kCaption, "#32770", except);
    if (about) {
      EXPECT_TRUE(WaitUntil([&] { return !Enabled(main_); })) << "the main window stays enabled";
    }
    return about;
  }

  HWND OpenByKeyboard() {
    Chord({VK_MENU, VK_SPACE});
    if (!app_.WaitMenu()) return nullptr;
    PressKey(VK_UP);  // from the first entry round to the last, the About entry
    PressKey(VK_RETURN);
    return WaitAbout();
  }

  // After the box has gone, the main window takes input again and is active.
  void ExpectClosed() {
    EXPECT_TRUE(app_.WaitGone(kCaption)) << "the About box stays open";
    EXPECT_TRUE(WaitUntil([&] { return Enabled(main_) && app_.Active() == main_ && Foreground() == main_; }))
        << "the main window is not active again";
    EXPECT_TRUE(app_.Running());
  }

  App app_;
  HWND main_ = nullptr;
};

// ---- Opening ------------------------------------------------------------

struct OpenWay {
  const char* name;
  void (*open)(App& app, HWND main);
};

// Wine's system menu holds an "&About Wine" entry of its own above ours, with
// the same access key, and Wine runs the first entry that has it: there A
// opens Wine's About box. On Windows A opens ours.
bool OnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

void ByAccessKey(App& app, HWND) {
  if (OnWine()) GTEST_SKIP() << "Wine's own \"&About Wine\" entry takes the access key A";
  Chord({VK_MENU, VK_SPACE});
  ASSERT_NE(app.WaitMenu(), nullptr);
  PressKey('A');
}

void ByArrowAndEnter(App& app, HWND) {
  Chord({VK_MENU, VK_SPACE});
  ASSERT_NE(app.WaitMenu(), nullptr);
  PressKey(VK_UP);
  PressKey(VK_RETURN);
}

void ByMouse(App& app, HWND main) {
  ASSERT_GE(SystemMenuPoint(main).x, 0) << "no system menu button on the caption";
  ClickSystemMenuButton(main);
  HWND menu = app.WaitMenu();
  ASSERT_NE(menu, nullptr);
  Screenshot(menu, "system-menu");
  // The About entry is the menu's last: just above the menu's bottom border.
  const RECT r = WindowRect(menu);
  ClickAt({(r.left + r.right) / 2, r.bottom - 8});
}

class AboutBoxOpens : public AboutBox, public ::testing::WithParamInterface<OpenWay> {};

TEST_P(AboutBoxOpens, FromTheSystemMenuOverTheDisabledMainWindow) {
  GetParam().open(app_, main_);
  if (IsSkipped() || HasFatalFailure()) return;
  HWND about = WaitAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Owner(about), main_);
  EXPECT_EQ(app_.Active(), about);
  EXPECT_EQ(app_.Focus(), Control(about, IDOK)) << "OK, the first tab stop, has the focus";
  // Centred over the main window.
  const POINT box = Centre(WindowRect(about)), owner = Centre(WindowRect(main_));
  EXPECT_LE(std::abs(box.x - owner.x), 1);
  EXPECT_LE(std::abs(box.y - owner.y), 1);
  PressKey(VK_ESCAPE);
  ExpectClosed();
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxOpens,
                         ::testing::Values(OpenWay{"AccessKey", ByAccessKey},
                                           OpenWay{"ArrowAndEnter", ByArrowAndEnter},
                                           OpenWay{"Mouse", ByMouse}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every system command whose id without its low four bits is 16 opens the box.
class AboutBoxSystemCommand : public AboutBox, public ::testing::WithParamInterface<unsigned> {};

TEST_P(AboutBoxSystemCommand, OpensTheBox) {
  PostMessageA(main_, WM_SYSCOMMAND, GetParam(), 0);
  HWND about = WaitAbout();
  ASSERT_NE(about, nullptr);
  PressKey(VK_ESCAPE);
  ExpectClosed();
}

INSTANTIATE_TEST_SUITE_P(Ids16To31, AboutBoxSystemCommand, ::testing::Range(16u, 32u));

// 32 opens nothing. Posted messages are handled in order, so 16 posted after
// it proves 32 has been handled once its box appears; had 32 opened a box,
// the second would open inside it and the main window would stay disabled
// after closing one.
TEST_F(AboutBox, SystemCommand32OpensNothing) {
  PostMessageA(main_, WM_SYSCOMMAND, 32, 0);
  PostMessageA(main_, WM_SYSCOMMAND, IDM_ABOUT, 0);
  HWND about = WaitAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(WindowsWithCaption(app_.Process(), kCaption).size(), 1u);
  PressKey(VK_ESCAPE);
  ExpectClosed();
}

// ---- Closing ------------------------------------------------------------

struct CloseWay {
  const char* name;
  void (*close)(HWND about);
};

class AboutBoxCloses : public AboutBox, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(AboutBoxCloses, AndTheMainWindowIsActiveAgain) {
  HWND about = OpenByKeyboard();
  ASSERT_NE(about, nullptr);
  GetParam().close(about);
  ExpectClosed();
  // The box changed nothing of the main window's form.
  EXPECT_EQ(ControlText(main_, IDC_EARTH_WEIGHT), "0");
  EXPECT_EQ(ControlText(main_, IDC_WEIGHT_THERE), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxCloses,
    ::testing::Values(CloseWay{"OkButton", [](HWND about) { Click(Control(about, IDOK)); }},
                      CloseWay{"Enter", [](HWND) { PressKey(VK_RETURN); }},
                      CloseWay{"Space", [](HWND) { PressKey(VK_SPACE); }},
                      CloseWay{"Escape", [](HWND) { PressKey(VK_ESCAPE); }},
                      CloseWay{"CloseBox", [](HWND about) { ClickCloseBox(about); }},
                      CloseWay{"AltF4", [](HWND) { Chord({VK_MENU, VK_F4}); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- What it shows --------------------------------------------------------

TEST_F(AboutBox, ShowsItsCaptionAndTexts) {
  HWND about = OpenByKeyboard();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Text(about), kCaption);
  const auto texts = StaticTexts(about);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], "Korvane / 32 Version 1.0");
  EXPECT_NE(texts[1].find("1998"), std::string::npos) << "the legal notice: " << texts[1];
  EXPECT_FALSE(texts[2].empty()) << "the web line";
  EXPECT_EQ(texts[3], kTextC);
  EXPECT_EQ(ControlText(about, IDOK), "OK");
}

// Its own system menu lacks the separator and the About entry that the main
// window's has. Wine lets no other process read a menu's items, so the two
// open menus are compared by height: both are Wine's dialog system menu, the
// main window's with our two additions.
TEST_F(AboutBox, OwnSystemMenuHasNoAboutEntry) {
  Chord({VK_MENU, VK_SPACE});
  HWND main_menu = app_.WaitMenu();
  ASSERT_NE(main_menu, nullptr);
  const RECT main_rect = WindowRect(main_menu);
  PressKey(VK_UP);
  PressKey(VK_RETURN);
  HWND about = WaitAbout();
  ASSERT_NE(about, nullptr);

  Chord({VK_MENU, VK_SPACE});
  HWND about_menu = app_.WaitMenu();
  ASSERT_NE(about_menu, nullptr);
  Screenshot(about_menu, "about-system-menu");
  const RECT about_rect = WindowRect(about_menu);
  EXPECT_LT(about_rect.bottom - about_rect.top, main_rect.bottom - main_rect.top);
  // Escape closes the menu, a second leaves the menu mode, a third the box.
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(app_.WaitMenuClosed());
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);
  ExpectClosed();
}

// ---- Built afresh -------------------------------------------------------

TEST_F(AboutBox, OpenedAgainIsANewWindowFreshlyPlaced) {
  HWND first = OpenByKeyboard();
  ASSERT_NE(first, nullptr);
  // Move the first box away from its place, as a person dragging it would.
  const RECT moved = WindowRect(first);
  SetWindowPos(first, nullptr, moved.left + 120, moved.top + 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] { return WindowRect(first).left == moved.left + 120; }));
  PressKey(VK_ESCAPE);
  ExpectClosed();
  EXPECT_FALSE(IsWindow(first)) << "the first box was destroyed";

  HWND second = OpenByKeyboard();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  const POINT box = Centre(WindowRect(second)), owner = Centre(WindowRect(main_));
  EXPECT_LE(std::abs(box.x - owner.x), 1);
  EXPECT_LE(std::abs(box.y - owner.y), 1);
  PressKey(VK_ESCAPE);
  ExpectClosed();
}

}  // namespace
}  // namespace e2e
