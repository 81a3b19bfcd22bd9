// The application frame as a person meets it: the names the program takes
// from its executable's path, the help key in every window, the message when
// the help engine cannot be started, the end of the process however the
// window closes, and that a whole session leaves nothing behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "driver.h"
#include "message_box_icon.h"
#include "resource.h"
#include "system_snapshot.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

constexpr unsigned kHelpContents = 3;
// Help contexts: a dialog's is 0x20000 plus its template id, a message box's
// 0x30000 plus its string id (61713 is "Please enter a number.").
constexpr unsigned long kMainContext = 0x20000 + IDD_MAIN;       // 0x20066
constexpr unsigned long kAboutContext = 0x20000 + IDD_ABOUT;     // 0x20064
constexpr unsigned long kNumberPromptContext = 0x30000 + 61713;  // 0x3F111

const std::string kAboutCaption = "About Korvane / 32 (v1.0)";
const std::string kNotANumber = "Please enter a number.";
const std::string kHelpFailed = "Failed to launch help.";

// The folder part of a Windows path, with its final backslash.
std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/") + 1); }

// The built help file lies beside the program under test.
std::string HelpFile() { return FolderOf(App::ProgramPath()) + "KORVN32.HLP"; }

std::string Lines(const std::vector<SystemSnapshot::Change>& changes) {
  std::string out;
  for (const auto& change : changes) out += "\n  " + change.line;
  return out;
}

bool WaitNoMessages(const App& app) {
  return WaitUntil([&] { return app.MessageBoxes().empty(); });
}

// Waits until the weight field shows `text`. Keys are handled in the order
// they were pressed, so once a key typed after F1 shows, F1 has been handled
// completely, help requests included.
bool FieldShows(HWND main, const std::string& text) {
  return WaitUntil([&] { return ControlText(main, IDC_EARTH_WEIGHT) == text; });
}

HWND OpenNotANumberBox(App& app, const std::string& caption = "KORVN32") {
  Type("abc");
  PressKey(VK_RETURN);
  return app.WaitMessageBox(caption, kNotANumber);
}

// A folder of its own below the temporary folder, removed with everything in
// it at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
    Remove(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() { Remove(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  bool Exists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }

 private:
  static void Remove(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          Remove(path);
        else
          DeleteFileA(path.c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::string path_;
};

// ---- Names from the executable's path --------------------------------------

// The program stored as FOO.EXE in a folder of its own and started from a
// third folder takes its names from its own path: message boxes are
// captioned FOO and help looks for FOO.HLP beside FOO.EXE, not in the current
// folder.
TEST(AppFrame, NamesComeFromTheExecutablesPath) {
  TempFolder root("korvane-names");
  const std::string folder = root.Path() + "\\X", current = root.Path() + "\\current";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) && CreateDirectoryA(current.c_str(), nullptr));
  const std::string exe = folder + "\\FOO.EXE";
  ASSERT_TRUE(CopyFileA(App::ProgramPath().c_str(), exe.c_str(), TRUE));
  // A help file there too, so that no engine waits on a missing file.
  ASSERT_TRUE(CopyFileA(HelpFile().c_str(), (folder + "\\FOO.HLP").c_str(), TRUE));
  {
    FakeHelpEngine engine;
    App app(App::Options{exe, current, {}});
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);

    HWND box = OpenNotANumberBox(app, "FOO");
    ASSERT_NE(box, nullptr) << "no box \"" << kNotANumber << "\" captioned FOO; boxes up: "
                            << app.MessageBoxes().size();
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitNoMessages(app));

    PressKey(VK_F1);
    ASSERT_TRUE(engine.WaitFor(1)) << "F1 reached no help engine";
    // Wine reports the path in the case in which it was given, so the
    // comparison is exact.
    EXPECT_EQ(engine.Requests()[0].file, folder + "\\FOO.HLP");
    EXPECT_EQ(engine.Requests()[0].command, kHelpContents);

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(app.WaitExit());
  }
}

// ---- F1 in each window, with a stand-in help engine ----------------------

// A window of the program in which F1 is pressed: how to open it, the help
// context that belongs to it, and how to close it again with a key (which,
// handled after F1, also tells when F1 has been handled).
struct HelpPlace {
  const char* name;
  unsigned long context;
  HWND (*open)(App& app, HWND main);
  bool (*close)(App& app, HWND main, HWND window);
};
void PrintTo(const HelpPlace& place, std::ostream* out) { *out << place.name; }

const HelpPlace kHelpPlaces[] = {
    {"MainWindow", kMainContext, [](App&, HWND main) { return main; },
     [](App&, HWND main, HWND) {
       Type("7");  // replaces the selected "0"
       return FieldShows(main, "7");
     }},
    {"AboutBox", kAboutContext,
     [](App& app, HWND main) {
       PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
       return app.WaitWindow(kAboutCaption, "#32770");
     },
     [](App& app, HWND, HWND) {
       PressKey(VK_ESCAPE);
       return app.WaitGone(kAboutCaption);
     }},
    {"NotANumberBox", kNumberPromptContext, [](App& app, HWND) { return OpenNotANumberBox(app); },
     [](App& app, HWND, HWND) {
       PressKey(VK_RETURN);
       return WaitNoMessages(app);
     }},
};

std::string Describe(const std::vector<HelpRequest>& requests) {
  std::string out;
  char line[400];
  for (const auto& r : requests) {
    std::snprintf(line, sizeof line, "\n  owner %p (%s), command %u, context 0x%lX, file %s",
                  static_cast<void*>(r.owner), Text(r.owner).c_str(), r.command, r.data, r.file.c_str());
    out += line;
  }
  return out;
}

// The stand-in engine exists before the program starts, so every request of
// the program reaches it; no engine of Wine's may be left from another test.
class Help : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(help_engine::RealWindows().empty());
    main_ = app_.MainWindow();
    ASSERT_NE(main_, nullptr) << "the main window did not appear";
  }

  void ExpectContentsRequest(const HelpRequest& request, unsigned long context) {
    EXPECT_EQ(request.owner, main_);
    EXPECT_EQ(request.file, HelpFile());
    EXPECT_EQ(request.command, kHelpContents);
    EXPECT_EQ(request.data, context) << std::hex << "0x" << request.data << " instead of 0x" << context;
  }

  FakeHelpEngine engine_;
  App app_;
  HWND main_ = nullptr;
};

class HelpInEachWindow : public Help, public ::testing::WithParamInterface<HelpPlace> {};

TEST_P(HelpInEachWindow, F1AsksOnceForTheContentsAndTheWindowStaysOpen) {
  HWND window = GetParam().open(app_, main_);
  ASSERT_NE(window, nullptr);
  PressKey(VK_F1);
  ASSERT_TRUE(engine_.WaitFor(1)) << "F1 reached no help engine";
  ExpectContentsRequest(engine_.Requests()[0], GetParam().context);
  ASSERT_TRUE(app_.RoundTrip(window));
  EXPECT_TRUE(IsWindow(window) && Visible(window)) << "the window closed on F1";

  ASSERT_TRUE(GetParam().close(app_, main_, window)) << "the window did not take the next key";
  PumpMessages();
  EXPECT_EQ(engine_.Requests().size(), 1u) << Describe(engine_.Requests());
  EXPECT_TRUE(app_.Running());
}

INSTANTIATE_TEST_SUITE_P(Windows, HelpInEachWindow, ::testing::ValuesIn(kHelpPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

// F1 with Shift, Ctrl or Alt asks for nothing; plain F1 afterwards asks once,
// which shows that the stand-in engine was listening all along.
TEST_F(Help, F1WithShiftCtrlOrAltAsksNothing) {
  for (WORD modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) Chord({modifier, VK_F1});
  Type("5");
  ASSERT_TRUE(FieldShows(main_, "5")) << "the weight field did not take the key after the chords";
  PumpMessages();
  EXPECT_TRUE(engine_.Requests().empty()) << engine_.Requests().size() << " request(s)";
  EXPECT_TRUE(app_.MessageBoxes().empty());

  PressKey(VK_F1);
  Type("7");
  ASSERT_TRUE(FieldShows(main_, "57"));
  PumpMessages();
  ASSERT_EQ(engine_.Requests().size(), 1u);
  ExpectContentsRequest(engine_.Requests()[0], kMainContext);
}

// ---- Wine's own help engine ---------------------------------------------

BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
  auto& out = *reinterpret_cast<std::string*>(texts);
  out.append("[").append(ClassName(child)).append("] ").append(Text(child)).append("\n");
  return TRUE;
}

// The class names and texts of all windows below a window.
std::string DescendantTexts(HWND window) {
  std::string texts;
  EnumChildWindows(window, &CollectText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

class HelpWithWinesEngine : public ::testing::Test {
 protected:
  void SetUp() override { help_engine::EndReal(); }
  void TearDown() override { help_engine::EndReal(); }
};

TEST_F(HelpWithWinesEngine, F1OpensTheHelpFile) {
  App app;
  HWND main = app.MainWindow();
  ASSERT_NE(main, nullptr);
  PressKey(VK_F1);
  std::vector<HWND> windows;
  ASSERT_TRUE(WaitUntil([&] { return !(windows = help_engine::RealWindows()).empty(); }, 20s))
      << "Wine's help engine showed no window";
  // Wine's engine shows a topic's text in a rich edit control of its window.
  std::string shown;
  const bool contents = WaitUntil([&] {
    shown = DescendantTexts(windows[0]);
    return shown.find("Choose a topic:") != std::string::npos;
  }, 10s);
  Screenshot(windows[0], "wine-help");
  EXPECT_TRUE(contents) << "the help window does not show the contents topic; it shows:\n" << shown;
  EXPECT_TRUE(app.MessageBoxes().empty());
  EXPECT_TRUE(app.Running());
}

// ---- The help engine cannot be started ------------------------------------

// Turns Wine's help engine off while it lives, by the registry form of a
// DLL override ("winhlp32.exe" disabled), and on again afterwards. The
// WINEDLLOVERRIDES variable cannot do it from here: Wine takes that variable
// from the Unix environment of the Wine session, so a value put into the
// Windows environment of a program started from inside Wine is ignored, and
// Wine's engine starts all the same.
class HelpEngineOff {
 public:
  HelpEngineOff() {
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_, nullptr);
    ok_ = key_ && RegSetValueExA(key_, "winhlp32.exe", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1) ==
                      ERROR_SUCCESS;
  }
  ~HelpEngineOff() {
    if (!key_) return;
    RegDeleteValueA(key_, "winhlp32.exe");
    RegCloseKey(key_);
  }
  HelpEngineOff(const HelpEngineOff&) = delete;
  HelpEngineOff& operator=(const HelpEngineOff&) = delete;
  bool Ok() const { return ok_; }

 private:
  static constexpr char kKey[] = "Software\\Wine\\DllOverrides";
  HKEY key_ = nullptr;
  bool ok_ = false;
};

// With the engine off and no stand-in there at first, F1 fails to start help.
TEST(HelpDisabled, F1ShowsFailedToLaunchHelpAndTheProgramGoesOn) {
  help_engine::EndReal();
  HelpEngineOff off;
  ASSERT_TRUE(off.Ok());
  App app;
  HWND main = app.MainWindow();
  ASSERT_NE(main, nullptr);

  PressKey(VK_F1);
  HWND box = app.WaitMessageBox("KORVN32", kHelpFailed);
  ASSERT_NE(box, nullptr) << "no box \"" << kHelpFailed << "\"";
  int buttons = 0;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    buttons += ClassName(child) == "Button" && Visible(child);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(ControlText(box, IDOK), "OK");
  EXPECT_EQ(MessageBoxIcon(box), reinterpret_cast<ULONG_PTR>(IDI_EXCLAMATION)) << "not the exclamation icon";

  // From now on any request would reach this stand-in and be seen.
  std::optional<FakeHelpEngine> engine(std::in_place);
  PressKey(VK_F1);
  PressKey(VK_RETURN);  // handled after F1: closes the box, or a second one
  EXPECT_TRUE(WaitNoMessages(app)) << "a box is still up";
  PumpMessages();
  EXPECT_TRUE(engine->Requests().empty()) << "F1 asked for help while the failure box was up";

  // The program goes on: it calculates, and help works again.
  EXPECT_TRUE(WaitUntil([&] { return Enabled(main) && app.Active() == main; }));
  Type("150");
  ASSERT_TRUE(FieldShows(main, "150"));
  Click(Control(main, IDC_MARS));
  EXPECT_TRUE(WaitUntil([&] { return ControlText(main, IDC_WEIGHT_THERE) == "57"; }));
  PressKey(VK_F1);
  EXPECT_TRUE(engine->WaitFor(1)) << "F1 in the main window reached the stand-in engine";
}

// ---- Exit -------------------------------------------------------------------

struct CloseWay {
  const char* name;
  void (*close)(App& app, HWND main);
};
void PrintTo(const CloseWay& way, std::ostream* out) { *out << way.name; }

class Exit : public ::testing::TestWithParam<CloseWay> {};

TEST_P(Exit, TheProcessEndsWhenTheMainWindowCloses) {
  App app;
  HWND main = app.MainWindow();
  ASSERT_NE(main, nullptr);
  GetParam().close(app, main);
  if (HasFatalFailure()) return;
  EXPECT_TRUE(app.WaitExit()) << "the process is still running";
  EXPECT_FALSE(IsWindow(main));
  EXPECT_TRUE(app.Windows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Exit,
    ::testing::Values(CloseWay{"OkWithAWeight",
                               [](App&, HWND main) {
                                 Type("150");
                                 ASSERT_TRUE(FieldShows(main, "150"));
                                 Click(Control(main, IDOK));
                               }},
                      CloseWay{"Escape", [](App&, HWND) { PressKey(VK_ESCAPE); }},
                      CloseWay{"CloseBox", [](App&, HWND main) { ClickCloseBox(main); }},
                      CloseWay{"AltF4", [](App&, HWND) { Chord({VK_MENU, VK_F4}); }},
                      CloseWay{"SystemMenuClose",
                               [](App& app, HWND) {
                                 Chord({VK_MENU, VK_SPACE});
                                 ASSERT_NE(app.WaitMenu(), nullptr);
                                 PressKey('C');
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Nothing written ------------------------------------------------------

// What the program could write to: the whole of drive C:, its own folder and
// the folder it was started in.
std::vector<std::string> WatchedFolders() {
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  return {"C:\\", FolderOf(App::ProgramPath()), current};
}

// The snapshot sees what is written between two snapshots: a file on C: and
// a registry value. Without this the test below could pass by being blind.
TEST(AppFrameNoWrites, SnapshotsSeeAFileAndARegistryValue) {
  const auto before = SystemSnapshot::Take(WatchedFolders());
  TempFolder probe("korvane-probe");
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\KorvaneProbe", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const DWORD one = 1;
  RegSetValueExA(key, "written", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
  RegCloseKey(key);
  const auto after = SystemSnapshot::Take(WatchedFolders());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KorvaneProbe");

  const std::string all = Lines(SystemSnapshot::Differences(before, after));
  EXPECT_NE(all.find("+ HKCU\\Software\\KorvaneProbe : written (type 4, 4 bytes"), std::string::npos) << all;
  EXPECT_NE(all.find("+ " + probe.Path() + " (folder)"), std::string::npos) << all;
}

// Wine itself writes a little while any program with a window runs and
// takes input. Seen here: the display driver stamps the video driver's date
// afresh for every program (DriverDateData under HKLM\...\Control\Video and
// its copy under Control\Class), and the key "Temporary System Parameters"
// under HKCU\Software\Wine gains a subkey once mouse input has come. Rather than
// trust a list, the test finds these by running one of Wine's own programs,
// notepad, the same way (start, a click, a key, Alt+F4): what changes then is
// Wine's, and only entries of those names are excused afterwards.
std::set<std::string> WhatWineWrites(const std::vector<std::string>& folders, const SystemSnapshot& before,
                                     SystemSnapshot& after) {
  {
    App notepad(App::Options{"C:\\windows\\system32\\notepad.exe", "", {}});
    HWND window = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
      const auto windows = notepad.Windows();
      return !windows.empty() && (window = windows[0]) != nullptr;
    }));
    if (window) {
      Activate(window);
      Click(window);
      PressKey(VK_RIGHT);
      Chord({VK_MENU, VK_F4});
      EXPECT_TRUE(notepad.WaitExit()) << "notepad did not end";
    }
  }
  after = SystemSnapshot::Take(folders);
  std::set<std::string> names;
  for (const auto& change : SystemSnapshot::Differences(before, after)) names.insert(change.name);
  return names;
}

// A whole session: a weight, a destination, recalculation, a rejected text
// with its message, the About box, help, and OK. Afterwards the registry and
// the files are as they were, but for what Wine writes for any program.
TEST(AppFrameNoWrites, AWholeSessionWritesNothing) {
  const auto folders = WatchedFolders();
  const auto first = SystemSnapshot::Take(folders);
  SystemSnapshot before;
  const auto wines = WhatWineWrites(folders, first, before);
  {
    FakeHelpEngine engine;
    App app;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    Type("150");
    Click(Control(main, IDC_MARS));
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, IDC_WEIGHT_THERE) == "57"; }));
    // Back into the weight field, which selects its text, and Enter.
    Chord({VK_SHIFT, VK_TAB});
    Type("100");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, IDC_WEIGHT_THERE) == "38"; }));
    Chord({VK_SHIFT, VK_TAB});
    PressKey(VK_TAB);
    ASSERT_NE(OpenNotANumberBox(app), nullptr);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitNoMessages(app));
    PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
    ASSERT_NE(app.WaitWindow(kAboutCaption, "#32770"), nullptr);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(app.WaitGone(kAboutCaption));
    PressKey(VK_F1);
    ASSERT_TRUE(engine.WaitFor(1));
    ASSERT_TRUE(WaitUntil([&] { return app.Active() == main; }));
    Click(Control(main, IDOK));
    ASSERT_TRUE(app.WaitExit());
  }
  const auto after = SystemSnapshot::Take(folders);
  std::vector<SystemSnapshot::Change> programs;
  for (const auto& change : SystemSnapshot::Differences(before, after))
    if (!wines.count(change.name)) programs.push_back(change);
  EXPECT_TRUE(programs.empty()) << "written meanwhile:" << Lines(programs);
}

}  // namespace
}  // namespace e2e
