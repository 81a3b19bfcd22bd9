// Reads the resources back from the built KORVN32.EXE (loaded as a data file)
// and compares them with what the program must show: both dialog templates
// control by control, the icon, the strings, the version block and the
// accelerator table. Usage: resources_test KORVN32.EXE
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "resource_reader.h"

namespace korvane::res {
namespace {

// --- Expected values ----------------------------------------------------

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kNoId16 = 0xFFFF;      // -1 in a plain template's 16-bit id
constexpr std::uint32_t kNoId32 = 0xFFFFFFFF;  // -1 in an extended template's 32-bit id
const NameOrOrdinal kButton = Ordinal(0x80);
const NameOrOrdinal kEdit = Ordinal(0x81);
const NameOrOrdinal kStatic = Ordinal(0x82);
const NameOrOrdinal kNone = Name("");

DialogItem Control(std::uint32_t exStyle, std::uint32_t style, std::int16_t x, std::int16_t y,
                   std::int16_t cx, std::int16_t cy, std::uint32_t id, NameOrOrdinal windowClass,
                   NameOrOrdinal text) {
  return {0, exStyle, style, x, y, cx, cy, id, std::move(windowClass), std::move(text), {}};
}

const char kTextA[] =
    "This program is intended as a tool for dreaming, as it were.  It will tell you how much "
    "you weigh (relatively speaking) on other planets in our \"neighborhood.\"  And that's just "
    "the kind of thing you might want to know when you go there! ";
const char kTextB[] =
    "(We will assume, for simplicity, that you have entered your weight in the unit of measure "
    "with which you are most comfortable.  The resulting weight at your destination is in that "
    "same unit of measure.)";
const char kTextC[] =
    "As the main dialog of the program so aptly describes, this program is \"a tool for "
    "dreaming\" about going not just to foreign lands, but foreign planets!  For the history "
    "behind this Win32 program, please refer to the online help file (KORVN32.HLP).";

const char kMaker[] = "Korvane Software";
const char kLegalNotice[] = "Copyright (C) 1998 Korvane Software";
const char kWebLine[] = "Visit us on the web: www.example.com";

struct ExpectedDialog {
  const char* name;
  unsigned id;
  DialogHeader header;
  std::vector<DialogItem> items;
};
void PrintTo(const ExpectedDialog& dialog, std::ostream* os) { *os << dialog.name; }

ExpectedDialog AboutBox() {
  DialogHeader h;
  h.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  h.itemCount = 6;
  h.cx = 217;
  h.cy = 95;
  h.menu = kNone;
  h.windowClass = kNone;
  h.title = "About Korvane / 32 (v1.0)";
  h.pointSize = 8;
  h.face = "MS Sans Serif";
  constexpr DWORD kText = kChild | SS_LEFT | WS_GROUP;
  return {"IDD_ABOUT", 100, h, {
      Control(0, kChild | SS_ICON, 5, 5, 21, 20, kNoId16, kStatic, Ordinal(128)),
      Control(0, kText | SS_NOPREFIX, 30, 5, 119, 8, kNoId16, kStatic,
              Name("Korvane / 32 Version 1.0")),
      Control(0, kText, 30, 16, 170, 8, kNoId16, kStatic, Name(kLegalNotice)),
      Control(0, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 90, 80, 32, 14, IDOK,
              kButton, Name("OK")),
      Control(0, kText, 30, 27, 170, 8, kNoId16, kStatic, Name(kWebLine)),
      Control(0, kText | SS_SUNKEN, 3, 37, 210, 38, kNoId16, kStatic, Name(kTextC)),
  }};
}

ExpectedDialog MainWindow() {
  DialogHeader h;
  h.extended = true;
  h.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE |
            DS_CENTER;
  h.exStyle = WS_EX_APPWINDOW;
  h.itemCount = 19;
  h.cx = 268;
  h.cy = 163;
  h.menu = kNone;
  h.windowClass = kNone;
  h.title = "Korvane / 32";
  h.pointSize = 8;
  h.weight = FW_NORMAL;
  h.italic = FALSE;
  h.charset = DEFAULT_CHARSET;
  h.face = "MS Sans Serif";
  constexpr DWORD kRadio = kChild | BS_AUTORADIOBUTTON;
  constexpr DWORD kText = kChild | SS_LEFT | WS_GROUP;
  return {"IDD_MAIN", 102, h, {
      Control(0, kChild | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_WANTRETURN,
              220, 40, 40, 12, 1000, kEdit, Name("")),
      Control(0, kRadio | WS_GROUP | WS_TABSTOP, 10, 45, 41, 10, 1004, kButton, Name("Mercury")),
      Control(0, kRadio, 10, 55, 36, 10, 1006, kButton, Name("Venus")),
      Control(0, kRadio, 10, 65, 58, 10, 1007, kButton, Name("Earth's Moon")),
      Control(0, kRadio, 10, 75, 32, 10, 1005, kButton, Name("Mars")),
      Control(0, kRadio, 10, 85, 37, 10, 1008, kButton, Name("Jupiter")),
      Control(0, kRadio, 10, 95, 37, 10, 1009, kButton, Name("Saturn")),
      Control(0, kRadio, 10, 105, 39, 10, 1010, kButton, Name("Uranus")),
      Control(0, kRadio, 10, 115, 43, 10, 1011, kButton, Name("Neptune")),
      Control(0, kRadio, 10, 125, 32, 10, 1012, kButton, Name("Pluto")),
      Control(0, kChild | BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, 5, 140, 105, 15, 1013, kButton,
              Name("&More info on this destination")),
      Control(0, kChild | BS_PUSHBUTTON | WS_TABSTOP, 210, 140, 50, 15, IDOK, kButton,
              Name("OK")),
      Control(0, kChild | BS_GROUPBOX, 5, 35, 105, 105, kNoId32, kButton,
              Name(" Select your destination! ")),
      Control(0, kText, 5, 5, 255, 25, kNoId32, kStatic, Name(kTextA)),
      Control(0, kText, 120, 40, 93, 8, kNoId32, kStatic, Name("Enter your Earth weight here:")),
      Control(0, kText, 120, 55, 90, 8, kNoId32, kStatic, Name("Your weight there (approx.):")),
      Control(WS_EX_TRANSPARENT, kChild | ES_LEFT | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
              220, 55, 40, 12, 1014, kEdit, Name("")),
      Control(0, kText, 120, 90, 138, 40, kNoId32, kStatic, Name(kTextB)),
      Control(WS_EX_TRANSPARENT, WS_CHILD | BS_DEFPUSHBUTTON, 120, 145, 15, 6, 1015, kButton,
              Name("Button1")),
  }};
}

// --- The executable under test ------------------------------------------

class ResourcesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { module_ = std::make_unique<Module>(ExePath()); }
  static void TearDownTestSuite() { module_.reset(); }
  void SetUp() override {
    ASSERT_NE(module_->handle(), nullptr) << "cannot load \"" << ExePath() << "\" as a data file";
  }

  static std::span<const std::uint8_t> Require(LPCSTR type, unsigned id) {
    auto data = module_->Find(type, id);
    if (!data) ADD_FAILURE() << "resource " << id << " missing in language 1033";
    return data.value_or(std::span<const std::uint8_t>{});
  }

  static std::unique_ptr<Module> module_;
};
std::unique_ptr<Module> ResourcesTest::module_;

// The dialog manager takes these class names as the predefined classes.
NameOrOrdinal AsAtom(NameOrOrdinal windowClass) {
  static const std::pair<const char*, std::uint16_t> kNames[] = {
      {"button", 0x80}, {"edit", 0x81}, {"static", 0x82}};
  for (auto [name, atom] : kNames) {
    if (_stricmp(windowClass.name.c_str(), name) == 0) return Ordinal(atom);
  }
  return windowClass;
}

// --- Dialog templates ---------------------------------------------------

class DialogTemplateTest : public ResourcesTest,
                           public testing::WithParamInterface<ExpectedDialog> {};

TEST_P(DialogTemplateTest, MatchesItsLayoutControlByControl) {
  const ExpectedDialog& expected = GetParam();
  SCOPED_TRACE(expected.name);
  auto data = Require(RT_DIALOG, expected.id);
  ASSERT_FALSE(data.empty());
  DialogTemplate actual = ParseDialog(data);
  EXPECT_EQ(actual.header, expected.header);
  ASSERT_EQ(actual.items.size(), expected.items.size());
  for (std::size_t i = 0; i < expected.items.size(); ++i) {
    DialogItem item = actual.items[i];
    item.windowClass = AsAtom(item.windowClass);
    EXPECT_EQ(item, expected.items[i]) << "control #" << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogTemplateTest, testing::Values(AboutBox(), MainWindow()),
                         [](const auto& info) { return std::string(info.param.name + 4); });

// --- Icon -----------------------------------------------------------------

struct IconImage {
  std::uint8_t size;
  std::uint16_t id;
  std::uint32_t bytes;
};
constexpr IconImage kIconImages[] = {{32, 1, 744}, {16, 2, 296}};

// The standard 16-colour palette as RGBQUADs (blue, green, red, 0).
constexpr std::uint32_t kVgaPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
constexpr int kBlack = 0, kYellow = 11, kWhite = 15;

std::uint32_t Le32(std::span<const std::uint8_t> d, std::size_t at) {
  return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (std::uint32_t{d[at + 3]} << 24);
}
std::uint16_t Le16(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}

TEST_F(ResourcesTest, IconGroupHoldsTwoSixteenColourImages) {
  auto group = Require(RT_GROUP_ICON, 128);
  ASSERT_EQ(group.size(), 6u + 14u * 2);
  EXPECT_EQ(Le16(group, 0), 0);  // reserved
  EXPECT_EQ(Le16(group, 2), 1);  // icons, not cursors
  EXPECT_EQ(Le16(group, 4), 2);  // two images
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(testing::Message() << "entry " << i + 1);
    const std::size_t at = 6 + 14 * i;
    const IconImage& want = kIconImages[i];
    EXPECT_EQ(group[at], want.size);      // width
    EXPECT_EQ(group[at + 1], want.size);  // height
    EXPECT_EQ(group[at + 2], 16);         // colours
    EXPECT_EQ(group[at + 3], 0);
    EXPECT_EQ(Le16(group, at + 4), 1);  // planes
    EXPECT_EQ(Le16(group, at + 6), 4);  // bits per pixel
    EXPECT_EQ(Le32(group, at + 8), want.bytes);
    EXPECT_EQ(Le16(group, at + 12), want.id);
  }
}

TEST_F(ResourcesTest, IconImagesAreOpaqueVgaPictures) {
  for (const IconImage& want : kIconImages) {
    SCOPED_TRACE(testing::Message() << "icon image " << want.id);
    auto image = Require(RT_ICON, want.id);
    ASSERT_EQ(image.size(), want.bytes);
    EXPECT_EQ(Le32(image, 0), 40u);                                 // header size
    EXPECT_EQ(static_cast<std::int32_t>(Le32(image, 4)), want.size);      // width
    EXPECT_EQ(static_cast<std::int32_t>(Le32(image, 8)), 2 * want.size);  // colour + mask
    EXPECT_EQ(Le16(image, 12), 1);   // planes
    EXPECT_EQ(Le16(image, 14), 4);   // bits per pixel
    EXPECT_EQ(Le32(image, 16), 0u);  // uncompressed
    for (int c = 0; c < 16; ++c) EXPECT_EQ(Le32(image, 40 + 4 * c), kVgaPalette[c]) << "colour " << c;

    const std::size_t colourStride = want.size / 2;  // 16 or 8 bytes: already whole DWORDs
    const std::size_t colourStart = 40 + 64;
    const std::size_t maskStart = colourStart + colourStride * want.size;
    ASSERT_EQ(maskStart + 4u * want.size, want.bytes);
    for (std::size_t at = maskStart; at < want.bytes; ++at) {
      ASSERT_EQ(image[at], 0) << "mask byte " << at - maskStart << " is not opaque";
    }

    // The picture: top-down pixel (x, y) of the bottom-up colour rows.
    auto pixel = [&](int x, int y) {
      std::uint8_t b = image[colourStart + colourStride * (want.size - 1 - y) + x / 2];
      return x % 2 == 0 ? b >> 4 : b & 0x0F;
    };
    int counts[16] = {};
    for (int y = 0; y < want.size; ++y)
      for (int x = 0; x < want.size; ++x) ++counts[pixel(x, y)];
    EXPECT_GT(counts[kBlack], want.size * want.size / 2) << "black sky";
    EXPECT_GE(counts[kWhite], 3) << "white stars";
    EXPECT_EQ(pixel(1, want.size == 32 ? 16 : 1), kYellow) << "the Sun at the left";
    EXPECT_EQ(pixel(want.size - 1, 0), kBlack) << "sky at the top right";
  }
}

// --- Strings ----------------------------------------------------------------

TEST_F(ResourcesTest, StringsOfTheProgramAndThePlatform) {
  const std::pair<unsigned, const char*> kStrings[] = {
      {101, "&About Korvane / 32"},
      {61703, "Failed to launch help."},
      {61704, "Internal application error."},
      {61713, "Please enter a number."},
  };
  for (auto [id, text] : kStrings) {
    EXPECT_EQ(module_->String(id).value_or("<missing>"), text) << "string " << id;
  }
  EXPECT_EQ(module_->String(57344), std::nullopt) << "there is no application-title string";
}

// --- Version block ----------------------------------------------------------

TEST_F(ResourcesTest, VersionBlock) {
  auto data = Require(RT_VERSION, 1);
  ASSERT_FALSE(data.empty());
  const VersionNode root = ParseVersion(data);
  EXPECT_EQ(root.key, "VS_VERSION_INFO");
  ASSERT_EQ(root.bytes.size(), sizeof(VS_FIXEDFILEINFO));
  const std::pair<const char*, std::uint32_t> kFixed[] = {
      {"signature", 0xFEEF04BD},      {"structure version", 0x00010000},
      {"file version high", 0x00010000}, {"file version low", 0x00000001},
      {"product version high", 0x00030000}, {"product version low", 0x00000001},
      {"flags mask", 0x3F},           {"flags", 0},
      {"OS", VOS__WINDOWS32},         {"type", VFT_APP},
      {"subtype", 0},                 {"date high", 0},
      {"date low", 0}};
  for (std::size_t i = 0; i < std::size(kFixed); ++i) {
    EXPECT_EQ(Le32(root.bytes, 4 * i), kFixed[i].second) << kFixed[i].first;
  }

  ASSERT_EQ(root.children.size(), 2u);
  const VersionNode& stringInfo = root.children[0];
  EXPECT_EQ(stringInfo.key, "StringFileInfo");
  ASSERT_EQ(stringInfo.children.size(), 1u);
  const VersionNode& table = stringInfo.children[0];
  EXPECT_EQ(table.key, "040904b0");
  const std::pair<const char*, const char*> kStrings[] = {
      {"CompanyName", kMaker},
      {"FileDescription", "Korvane, WIN32 Version"},
      {"FileVersion", "1, 0, 0, 1"},
      {"InternalName", "Korvane / 32"},
      {"LegalCopyright", kLegalNotice},
      {"OriginalFilename", "KORVN32.EXE"},
      {"ProductName", "Korvane / 32"},
      {"ProductVersion", "3, 0, 0, 1"},
  };
  ASSERT_EQ(table.children.size(), std::size(kStrings));
  for (std::size_t i = 0; i < std::size(kStrings); ++i) {
    const VersionNode& value = table.children[i];
    EXPECT_EQ(value.key, kStrings[i].first);
    EXPECT_EQ(value.type, 1) << value.key << " is text";
    EXPECT_EQ(value.text, kStrings[i].second) << value.key;
    EXPECT_EQ(std::size_t{value.valueLength}, std::strlen(kStrings[i].second) + 1)
        << value.key << ": its text and one terminating null";
  }

  const VersionNode& varInfo = root.children[1];
  EXPECT_EQ(varInfo.key, "VarFileInfo");
  ASSERT_EQ(varInfo.children.size(), 1u);
  EXPECT_EQ(varInfo.children[0].key, "Translation");
  EXPECT_EQ(varInfo.children[0].bytes, (std::vector<std::uint8_t>{0x09, 0x04, 0xB0, 0x04}));
}

// --- Accelerators -----------------------------------------------------------

TEST_F(ResourcesTest, AcceleratorTableMapsF1ToHelp) {
  auto table = Require(RT_ACCELERATOR, 165);
  ASSERT_EQ(table.size(), 8u) << "one entry";
  EXPECT_EQ(Le16(table, 0), FVIRTKEY | 0x80) << "a virtual key, marked as the last entry";
  EXPECT_EQ(Le16(table, 2), VK_F1);
  EXPECT_EQ(Le16(table, 4), 0xE146) << "the help command";
}

// --- Language ---------------------------------------------------------------

// Every resource found by walking the module's resource directory, with its language.
struct FoundResource {
  std::string where;
  WORD language;
};

std::string ResourceName(LPCSTR name) {
  return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name))
                              : std::string(name);
}

BOOL CALLBACK OnLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR found) {
  reinterpret_cast<std::vector<FoundResource>*>(found)->push_back(
      {ResourceName(type) + "/" + ResourceName(name), language});
  return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
  EnumResourceLanguagesA(module, type, name, OnLanguage, found);
  return TRUE;
}

BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR found) {
  EnumResourceNamesA(module, type, OnName, found);
  return TRUE;
}

TEST_F(ResourcesTest, EveryResourceIsUsEnglish) {
  std::vector<FoundResource> found;
  EnumResourceTypesA(module_->handle(), OnType, reinterpret_cast<LONG_PTR>(&found));
  EXPECT_GE(found.size(), 10u) << "the walk found the resources";
  for (const FoundResource& f : found) EXPECT_EQ(f.language, 1033) << "resource " << f.where;
}

}  // namespace
}  // namespace korvane::res
