#include "main_window_driver.h"

#include <cstring>

#include "input.h"
#include "resource.h"
#include "screen.h"
#include "wait.h"

namespace e2e {

bool SetClipboardText(const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  // Another program may hold the clipboard for a moment.
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; })) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!set) GlobalFree(memory);
  return set;
}

POINT Centre(HWND window) {
  const RECT r = WindowRect(window);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

namespace {

void Mouse(POINT p, DWORD button) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((p.x * 65536LL + w - 1) / w);
  in.mi.dy = static_cast<LONG>((p.y * 65536LL + h - 1) / h);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
  SendInput(1, &in, sizeof in);
}

}  // namespace

void PressMouseAt(POINT p) {
  Mouse(p, 0);
  WaitUntil([&] {
    POINT at{};
    GetCursorPos(&at);
    return at.x == p.x && at.y == p.y;
  });
  Mouse(p, MOUSEEVENTF_LEFTDOWN);
}

void ReleaseMouseAt(POINT p) { Mouse(p, MOUSEEVENTF_LEFTUP); }

void MainWindowTest::SetUp() {
  main_ = app_.MainWindow();
  ASSERT_NE(main_, nullptr) << "the main window did not appear";
}

HWND MainWindowTest::Field() const { return Control(main_, IDC_EARTH_WEIGHT); }
HWND MainWindowTest::Result() const { return Control(main_, IDC_WEIGHT_THERE); }
HWND MainWindowTest::Radio(int destination) const { return Control(main_, kDestinationIds[destination]); }
HWND MainWindowTest::MoreInfo() const { return Control(main_, IDC_MORE_INFO); }
HWND MainWindowTest::Ok() const { return Control(main_, IDOK); }
HWND MainWindowTest::Hidden() const { return Control(main_, IDC_ENTER_DEFAULT); }

std::string MainWindowTest::Weight() const { return Text(Field()); }
std::string MainWindowTest::There() const { return Text(Result()); }

int MainWindowTest::CheckedDestination() const {
  int found = -1;
  for (int i = 0; i < 9; ++i) {
    if (!e2e::Checked(main_, kDestinationIds[i])) continue;
    if (found != -1) return -2;
    found = i;
  }
  return found;
}

bool MainWindowTest::WaitWeight(const std::string& text) {
  return WaitUntil([&] { return Weight() == text; });
}

bool MainWindowTest::WaitThere(const std::string& text) {
  return WaitUntil([&] { return There() == text; });
}

void MainWindowTest::SelectWeight() {
  if (app_.Focus() != Field()) Click(Field());
  ASSERT_TRUE(WaitUntil([&] { return app_.Focus() == Field(); })) << "the weight field takes no focus";
  PressKey(VK_HOME);
  Chord({VK_SHIFT, VK_END});
  const int length = static_cast<int>(Weight().size());
  ASSERT_TRUE(WaitUntil([&] { return Selection(Field()) == std::make_pair(0, length); }))
      << "the weight field's text is not selected";
}

void MainWindowTest::TypeWeight(const std::string& text) {
  SelectWeight();
  if (text.empty())
    PressKey(VK_DELETE);
  else
    Type(text);
  ASSERT_TRUE(WaitWeight(text)) << "the weight field shows \"" << Weight() << "\", not \"" << text << "\"";
}

void MainWindowTest::PasteWeight(const std::string& text) {
  const std::string before = Weight();
  SelectWeight();
  ASSERT_TRUE(SetClipboardText(text)) << "cannot set the clipboard";
  Chord({VK_CONTROL, 'V'});
  ASSERT_TRUE(WaitUntil([&] { return Weight() != before; })) << "the paste changed nothing";
}

void MainWindowTest::Start150OnMars() {
  Type("150");
  ASSERT_TRUE(WaitWeight("150"));
  Click(Radio(kMars));
  ASSERT_TRUE(WaitThere("57")) << "the weight there: " << There();
  ASSERT_EQ(CheckedDestination(), kMars);
}

bool MainWindowTest::TabTo(HWND control) {
  for (int i = 0; i < 6 && app_.Focus() != control; ++i) {
    const HWND before = app_.Focus();
    PressKey(VK_TAB);
    if (!WaitUntil([&] { return app_.Focus() != before; })) return false;
  }
  return app_.Focus() == control;
}

bool MainWindowTest::AnswerNumberMessage() {
  HWND box = app_.WaitMessageBox(kAppName, kNumberMessage);
  if (!box) {
    ADD_FAILURE() << "no message \"" << kNumberMessage << "\" captioned " << kAppName;
    return false;
  }
  EXPECT_EQ(app_.MessageBoxes().size(), 1u) << "more than one message box";
  EXPECT_EQ(Owner(box), main_);
  Click(Control(box, IDOK));
  if (!WaitUntil([&] { return !IsWindow(box) || !Visible(box); })) {
    ADD_FAILURE() << "the message box stays open";
    return false;
  }
  return true;
}

void MainWindowTest::ExpectNoMessageBox() {
  EXPECT_TRUE(app_.RoundTrip(main_)) << "the window does not answer";
  const auto boxes = app_.MessageBoxes();
  EXPECT_TRUE(boxes.empty()) << "a message box is open: " << boxes[0].text;
}

bool MainWindowTest::HandledInField() {
  PressKey(VK_HOME);
  const bool home = WaitUntil([&] { return Selection(Field()) == std::make_pair(0, 0); });
  return home && app_.RoundTrip(main_);
}

void MainWindowTest::ExpectEscapeEnds() {
  ASSERT_TRUE(Activate(main_));
  PressKey(VK_ESCAPE);
  bool message = false;
  WaitUntil([&] {
    message = message || !app_.MessageBoxes().empty();
    return !app_.Running() || message;
  });
  EXPECT_FALSE(message) << "a message box appeared on closing";
  EXPECT_TRUE(app_.WaitExit()) << "the process is still running after Escape";
}

}  // namespace e2e
