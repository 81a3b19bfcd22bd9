// The field exchange against a fake window: number fields and the radio group
// in both directions, failed reads, failures of the program itself, the
// notification lockout, and texts that no field should choke on.
#include "exchange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "fake_window.h"
#include "platform_ids.h"
#include "resource.h"
#include "weight_form.h"

namespace {

using Exchange = std::function<void(CDataExchange*)>;

constexpr double kOld = 42.0;  // a member's value before a read
constexpr int kIdOk = 1;

std::vector<unsigned> MessageIds(const FakeWindow& window) {
  std::vector<unsigned> ids;
  for (const ShownMessage& message : window.messages) ids.push_back(message.stringId);
  return ids;
}

void PutFocus(FakeWindow& window, int id) { window.SetFocus(window.FindControl(id)); }

// Reads the weight field, holding `text`, into a member that was kOld.
struct WeightRead {
  bool result;
  double member;
};
WeightRead ReadWeight(FakeWindow& window, const std::string& text) {
  window.screen.Get(IDC_EARTH_WEIGHT).text = text;
  double member = kOld;
  const bool result = UpdateData(window, true, [&](CDataExchange* pDX) {
    DDX_Text(pDX, IDC_EARTH_WEIGHT, member);
  });
  return {result, member};
}

// ---- DDX_Text ----------------------------------------------------------------

TEST(DDXTextRead, AcceptedTextsStoreTheirValue) {
  struct Case {
    std::string text;
    double expected;
  };
  const Case cases[] = {
      {"150", 150},
      {" 150 ", 150},
      {"\t150\t", 150},
      {"0", 0},
      {"150" + std::string(40, ' '), 150},     // what follows the 31st character is ignored
      {std::string(30, ' ') + "5", 5},         // exactly 31 characters
      {"1" + std::string(40, '0'), 1e30},      // only 31 digits are read
      {"1e400", std::numeric_limits<double>::infinity()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    FakeWindow window(MainWindowControls());
    const WeightRead read = ReadWeight(window, c.text);
    EXPECT_TRUE(read.result);
    EXPECT_EQ(read.member, c.expected);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.screen.Text(IDC_EARTH_WEIGHT), c.text);  // a read never changes a field
  }
}

TEST(DDXTextRead, RejectedTextShowsTheMessageAndKeepsTheMember) {
  const std::string cases[] = {
      "",
      "abc",
      "-0",
      "150 kg",
      std::string(32, ' ') + "150",  // the number starts after the 31st character
      std::string(31, ' ') + "5",
      "1.#INF",    // what the program writes for infinity
      "1.2e-309",  // what it writes for a result below the normal range
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE("text \"" + text + "\"");
    FakeWindow window(MainWindowControls());
    PutFocus(window, kIdOk);
    const WeightRead read = ReadWeight(window, text);
    EXPECT_FALSE(read.result);
    EXPECT_EQ(read.member, kOld);
    EXPECT_EQ(MessageIds(window), std::vector<unsigned>{AFX_IDP_PARSE_REAL});
    EXPECT_EQ(window.screen.FocusId(), IDC_EARTH_WEIGHT);
    EXPECT_TRUE(window.screen.AllSelected(IDC_EARTH_WEIGHT));
    EXPECT_EQ(window.screen.Text(IDC_EARTH_WEIGHT), text);
    EXPECT_EQ(window.screen.Get(IDC_EARTH_WEIGHT).textSets, 0);
  }
}

TEST(DDXTextWrite, SetsTheTextOnlyWhenItDiffers) {
  struct Case {
    double value;
    std::string before;
    std::string after;
    bool set;
  };
  const Case cases[] = {
      {150, "150", "150", false},
      {150, "150.0", "150", true},
      {150, "+150", "150", true},
      {57, "57 ", "57", true},
      {0, "", "0", true},
      {150, "150" + std::string(300, 'x'), "150", true},  // same beginning, longer text
      {std::numeric_limits<double>::infinity(), "0", "1.#INF", true},
      {3e-308 * 0.04, "0", "1.2e-309", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("writing " + c.after + " over \"" + c.before.substr(0, 20) + "\"");
    FakeWindow window(MainWindowControls());
    FakeControl& field = window.screen.Get(IDC_EARTH_WEIGHT);
    field.text = c.before;
    field.selStart = 1;  // the user's selection, which setting a text would drop
    field.selEnd = 2;
    double member = c.value;
    EXPECT_TRUE(UpdateData(window, false, [&](CDataExchange* pDX) {
      DDX_Text(pDX, IDC_EARTH_WEIGHT, member);
    }));
    EXPECT_EQ(field.text, c.after);
    EXPECT_EQ(field.textSets, c.set ? 1 : 0);
    if (!c.set) {
      EXPECT_EQ(field.selStart, 1u);
      EXPECT_EQ(field.selEnd, 2u);
    }
    EXPECT_TRUE(window.messages.empty());
  }
}

// ---- DDX_Radio -------------------------------------------------------------

std::int32_t ReadRadio(FakeWindow& window, int firstId) {
  std::int32_t member = 7;
  EXPECT_TRUE(UpdateData(window, true, [&](CDataExchange* pDX) { DDX_Radio(pDX, firstId, member); }));
  return member;
}

void WriteRadio(FakeWindow& window, int firstId, std::int32_t member) {
  EXPECT_TRUE(UpdateData(window, false, [&](CDataExchange* pDX) { DDX_Radio(pDX, firstId, member); }));
}

void Check(FakeWindow& window, const std::vector<int>& ids) {
  for (int id : ids) window.screen.Get(id).checked = true;
}

TEST(DDXRadio, ReadGivesThePositionOfTheLastCheckedButton) {
  struct Case {
    std::vector<int> checked;
    std::int32_t expected;
  };
  const Case cases[] = {
      {{}, -1},
      {{IDC_MERCURY}, 0},
      {{IDC_MARS}, 3},  // fourth in the template although its id is 1005
      {{IDC_VENUS}, 1},
      {{IDC_PLUTO}, 8},
      {{IDC_VENUS, IDC_JUPITER}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "expecting " << c.expected);
    FakeWindow window(MainWindowControls());
    Check(window, c.checked);
    EXPECT_EQ(ReadRadio(window, IDC_MERCURY), c.expected);
    EXPECT_EQ(window.screen.CheckedIds(), c.checked);  // a read changes no button
    EXPECT_TRUE(window.messages.empty());
  }
}

TEST(DDXRadio, WriteChecksExactlyTheButtonAtThePosition) {
  const int kAll[] = {IDC_MERCURY, IDC_VENUS,  IDC_MOON,    IDC_MARS, IDC_JUPITER,
                      IDC_SATURN,  IDC_URANUS, IDC_NEPTUNE, IDC_PLUTO};
  struct Case {
    std::int32_t value;
    std::vector<int> checked;
  };
  const Case cases[] = {
      {3, {IDC_MARS}},
      {0, {IDC_MERCURY}},
      {8, {IDC_PLUTO}},
      {-1, {}},
      {9, {}},
      {std::numeric_limits<std::int32_t>::min(), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "writing " << c.value);
    FakeWindow window(MainWindowControls());
    Check(window, {std::begin(kAll), std::end(kAll)});
    WriteRadio(window, IDC_MERCURY, c.value);
    EXPECT_EQ(window.screen.CheckedIds(), c.checked);
  }
}

// A group with a static and a push button among its radio buttons, followed
// by a second group that runs to the window's last control.
std::vector<FakeControl> MixedGroups() {
  using K = ControlKind;
  return {{1, K::Edit, true},  {10, K::Radio, true}, {IDC_STATIC, K::Static}, {11, K::Radio},
          {12, K::PushButton}, {13, K::Radio},       {20, K::Radio, true},    {21, K::Radio}};
}

TEST(DDXRadio, CountsOnlyRadioButtonsAndStopsAtTheNextGroup) {
  struct Case {
    std::vector<int> checked;
    int firstId;
    std::int32_t expected;
  };
  const Case cases[] = {
      {{13}, 10, 2},      // the static and the push button are not counted
      {{11}, 10, 1},
      {{20}, 10, -1},     // 20 starts the next group
      {{11, 21}, 10, 1},
      {{21}, 20, 1},      // a group that ends with the window
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "group " << c.firstId << " expecting " << c.expected);
    FakeWindow window(MixedGroups());
    Check(window, c.checked);
    EXPECT_EQ(ReadRadio(window, c.firstId), c.expected);
  }

  FakeWindow window(MixedGroups());
  Check(window, {10, 20, 21});
  WriteRadio(window, 10, 2);
  EXPECT_EQ(window.screen.CheckedIds(), (std::vector<int>{13, 20, 21}));  // next group untouched
}

// ---- Fail --------------------------------------------------------------------

TEST(Fail, FocusesTheFieldOfAFailedRead) {
  enum class Prepared { None, Edit, Radio };
  struct Case {
    const char* name;
    bool read;
    Prepared prepared;
    int focus;
    bool textSelected;
  };
  const Case cases[] = {
      {"read, edit field", true, Prepared::Edit, IDC_EARTH_WEIGHT, true},
      {"read, radio group", true, Prepared::Radio, IDC_MERCURY, false},
      {"read, nothing prepared", true, Prepared::None, kIdOk, false},
      {"write", false, Prepared::Edit, kIdOk, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window(MainWindowControls());
    FakeControl& field = window.screen.Get(IDC_EARTH_WEIGHT);
    field.text = "abc";
    field.selStart = field.selEnd = 3;
    PutFocus(window, kIdOk);
    bool ranOn = false;
    const bool result = UpdateData(window, c.read, [&](CDataExchange* pDX) {
      if (c.prepared == Prepared::Edit) pDX->PrepareEditCtrl(IDC_EARTH_WEIGHT);
      if (c.prepared == Prepared::Radio) pDX->PrepareCtrl(IDC_MERCURY);
      pDX->Fail();
      ranOn = true;
    });
    EXPECT_FALSE(result);
    EXPECT_FALSE(ranOn);
    EXPECT_TRUE(window.messages.empty());  // Fail itself shows nothing
    EXPECT_EQ(window.screen.FocusId(), c.focus);
    EXPECT_EQ(window.screen.AllSelected(c.focus), c.textSelected);
    if (!c.textSelected) {
      EXPECT_EQ(field.selStart, 3u);  // the weight field keeps its caret
    }
  }
}

// The form's three calls, failing at the second: the result field.
TEST(Fail, ReadFailingInTheSecondOfThreeCalls) {
  FakeWindow window(MainWindowControls());
  window.screen.Get(IDC_WEIGHT_THERE).text = "1.#INF";
  window.screen.Get(IDC_MARS).checked = true;
  window.Type("150");  // focus in the weight field, caret at the end
  WeightForm form;
  form.m_earthWeight = 1;
  form.m_weightThere = 2;
  form.m_destination = 5;

  EXPECT_FALSE(UpdateData(window, true, [&](CDataExchange* pDX) { form.ExchangeForm(pDX); }));

  EXPECT_EQ(form.m_earthWeight, 150);
  EXPECT_EQ(form.m_weightThere, 2);
  EXPECT_EQ(form.m_destination, 5);
  ASSERT_EQ(MessageIds(window), std::vector<unsigned>{AFX_IDP_PARSE_REAL});
  // The message comes first; the focus and the selection once it is closed.
  const FakeScreen& whileShown = window.messages[0].screen;
  EXPECT_EQ(whileShown.FocusId(), IDC_EARTH_WEIGHT);
  EXPECT_FALSE(whileShown.AllSelected(IDC_WEIGHT_THERE));
  EXPECT_EQ(window.screen.FocusId(), IDC_WEIGHT_THERE);
  EXPECT_TRUE(window.screen.AllSelected(IDC_WEIGHT_THERE));
  EXPECT_EQ(window.screen.Text(IDC_WEIGHT_THERE), "1.#INF");
  EXPECT_EQ(window.screen.CheckedIds(), std::vector<int>{IDC_MARS});
}

// ---- Failures of the program itself ------------------------------------------

TEST(UpdateData, OtherFailuresShowTheInternalErrorBox) {
  double number = kOld;
  std::int32_t index = 7;
  struct Case {
    const char* name;
    bool read;
    Exchange exchange;
  };
  const Case cases[] = {
      {"text read, no such field", true, [&](CDataExchange* pDX) { DDX_Text(pDX, 999, number); }},
      {"text write, no such field", false, [&](CDataExchange* pDX) { DDX_Text(pDX, 999, number); }},
      {"radio read, no such button", true, [&](CDataExchange* pDX) { DDX_Radio(pDX, 999, index); }},
      {"radio write, no such button", false, [&](CDataExchange* pDX) { DDX_Radio(pDX, 999, index); }},
      {"memory exhausted", true, [](CDataExchange*) { throw std::bad_alloc(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window(MainWindowControls());
    PutFocus(window, kIdOk);
    EXPECT_FALSE(UpdateData(window, c.read, c.exchange));
    EXPECT_EQ(MessageIds(window), std::vector<unsigned>{AFX_IDP_INTERNAL_FAILURE});
    EXPECT_EQ(number, kOld);
    EXPECT_EQ(index, 7);
    EXPECT_EQ(window.screen.FocusId(), kIdOk);
    EXPECT_EQ(LockedOutWindow(), nullptr);
  }
}

// A window that cannot even show a message box (memory exhausted).
class NoMessageBoxWindow : public FakeWindow {
 public:
  NoMessageBoxWindow() : FakeWindow(MainWindowControls()) {}
  void ShowMessage(unsigned) override { throw std::bad_alloc(); }
};

TEST(UpdateData, NothingEscapesWhenTheMessageBoxFails) {
  NoMessageBoxWindow window;
  window.screen.Get(IDC_EARTH_WEIGHT).text = "abc";
  double member = kOld;
  bool result = true;
  EXPECT_NO_THROW(result = UpdateData(window, true, [&](CDataExchange* pDX) {
                    DDX_Text(pDX, IDC_EARTH_WEIGHT, member);
                  }));
  EXPECT_FALSE(result);
  EXPECT_EQ(member, kOld);
  EXPECT_EQ(LockedOutWindow(), nullptr);
}

// ---- The notification lockout ------------------------------------------------

TEST(UpdateData, LocksOutTheWindowAndRestoresThePreviousOneHoweverItEnds) {
  struct Case {
    const char* name;
    Exchange inner;
  };
  double number = 0;
  const Case cases[] = {
      {"completes", [](CDataExchange*) {}},
      {"fails", [](CDataExchange* pDX) { pDX->Fail(); }},
      {"rejects a text", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_EARTH_WEIGHT, number); }},
      {"has no such field", [&](CDataExchange* pDX) { DDX_Text(pDX, 999, number); }},
      {"runs out of memory", [](CDataExchange*) { throw std::bad_alloc(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow outer(MainWindowControls());
    FakeWindow inner(MainWindowControls());
    inner.screen.Get(IDC_EARTH_WEIGHT).text = "abc";
    std::vector<const void*> seen;
    ASSERT_EQ(LockedOutWindow(), nullptr);
    UpdateData(outer, true, [&](CDataExchange*) {
      seen.push_back(LockedOutWindow());
      UpdateData(inner, true, [&](CDataExchange* pDX) {
        seen.push_back(LockedOutWindow());
        c.inner(pDX);
      });
      seen.push_back(LockedOutWindow());
    });
    seen.push_back(LockedOutWindow());
    EXPECT_EQ(seen, (std::vector<const void*>{&outer, &inner, &outer, nullptr}));
  }
}

// ---- Texts no one should have to type ------------------------------------------

// Whatever a field holds, a read either takes a value silently or shows the
// message and keeps the member, and it never changes the field.
WeightRead ExpectSoundRead(const std::string& text) {
  FakeWindow window(MainWindowControls());
  const WeightRead read = ReadWeight(window, text);
  if (read.result) {
    EXPECT_TRUE(window.messages.empty());
  } else {
    EXPECT_EQ(read.member, kOld);
    EXPECT_EQ(MessageIds(window), std::vector<unsigned>{AFX_IDP_PARSE_REAL});
  }
  EXPECT_EQ(window.screen.Text(IDC_EARTH_WEIGHT), text);
  return read;
}

std::string EveryByte() {
  std::string bytes;
  for (int b = 1; b <= 0xFF; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(BadInput, OddTextsAreReadSafely) {
  struct Case {
    const char* name;
    std::string text;
    std::optional<double> expected;  // no value: rejected
  };
  const Case cases[] = {
      {"100,000 nines", std::string(100000, '9'), 1e31},  // 31 nines
      {"100,000 letters", std::string(100000, 'x'), std::nullopt},
      {"every byte", EveryByte(), std::nullopt},
      {"embedded NUL", std::string("150\0abc", 7), std::nullopt},
      {"NUL first", std::string("\0" "150", 4), std::nullopt},
      {"full-width digits", "\xEF\xBC\x91\xEF\xBC\x95\xEF\xBC\x90", std::nullopt},
      {"non-breaking space", "150\xA0", std::nullopt},
      {"high bytes then a number", std::string(31, '\x80') + "150", std::nullopt},
      {"line break first", "\n150", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WeightRead read = ExpectSoundRead(c.text);
    EXPECT_EQ(read.result, c.expected.has_value());
    EXPECT_EQ(read.member, c.expected.value_or(kOld));
  }
}

TEST(BadInput, EveryByteBeforeAndAfterANumber) {
  for (int b = 0; b <= 0xFF; ++b) {
    SCOPED_TRACE(::testing::Message() << "byte " << b);
    const std::string byte(1, static_cast<char>(b));
    ExpectSoundRead(byte);
    ExpectSoundRead(byte + "5");
    ExpectSoundRead("5" + byte);
    ExpectSoundRead(std::string(30, ' ') + byte + "5");  // the byte is the 31st character
  }
}

}  // namespace
