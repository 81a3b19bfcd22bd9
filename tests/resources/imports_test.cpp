// The built KORVN32.EXE needs nothing but the system's own DLLs, and nothing
// of them that Windows XP lacks: a 32-bit GUI program for Windows 4.0 and
// later whose import table names only KERNEL32, USER32, GDI32 and MSVCRT.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resource_reader.h"

namespace korvane::res {
namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// The executable's file, with the headers and import table read from it.
class Image {
 public:
  explicit Image(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(file), {});
    if (bytes_.size() < sizeof(IMAGE_DOS_HEADER)) return;
    const auto* dos = At<IMAGE_DOS_HEADER>(0);
    if (dos == nullptr || dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    nt_ = At<IMAGE_NT_HEADERS32>(dos->e_lfanew);
  }

  const IMAGE_NT_HEADERS32* Headers() const { return nt_; }

  // Imported function names (or "#ordinal") by upper-case DLL name.
  std::map<std::string, std::set<std::string>> Imports() const {
    std::map<std::string, std::set<std::string>> imports;
    const IMAGE_DATA_DIRECTORY& directory =
        nt_->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const DWORD table = Offset(directory.VirtualAddress);
    for (DWORD at = table; table != 0; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
      const auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(at);
      if (entry == nullptr || entry->Name == 0) break;
      std::set<std::string>& names = imports[Upper(String(entry->Name))];
      DWORD thunks = entry->OriginalFirstThunk != 0 ? entry->OriginalFirstThunk : entry->FirstThunk;
      const DWORD list = Offset(thunks);
      for (DWORD t = list; list != 0; t += sizeof(DWORD)) {
        const auto* thunk = At<DWORD>(t);
        if (thunk == nullptr || *thunk == 0) break;
        if (*thunk & IMAGE_ORDINAL_FLAG32)
          names.insert(std::string(1, '#').append(std::to_string(*thunk & 0xFFFF)));
        else
          names.insert(String(*thunk + offsetof(IMAGE_IMPORT_BY_NAME, Name)));
      }
    }
    return imports;
  }

 private:
  template <class T>
  const T* At(std::size_t offset) const {
    if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) return nullptr;
    return reinterpret_cast<const T*>(bytes_.data() + offset);
  }
  // The file offset of a relative virtual address, through the section that
  // holds it; 0 when no section does.
  DWORD Offset(DWORD rva) const {
    const auto* section = IMAGE_FIRST_SECTION(nt_);
    for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i, ++section) {
      if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
        return rva - section->VirtualAddress + section->PointerToRawData;
    }
    return 0;
  }
  std::string String(DWORD rva) const {
    const DWORD at = Offset(rva);
    if (at == 0 || at >= bytes_.size()) return {};
    const char* begin = bytes_.data() + at;
    return std::string(begin, strnlen(begin, bytes_.size() - at));
  }

  std::vector<char> bytes_;
  const IMAGE_NT_HEADERS32* nt_ = nullptr;
};

TEST(Executable, IsA32BitGuiProgramForWindows4AndLater) {
  Image image(ExePath());
  const IMAGE_NT_HEADERS32* nt = image.Headers();
  ASSERT_NE(nt, nullptr) << "not a PE file: " << ExePath();
  EXPECT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
  EXPECT_LE(nt->OptionalHeader.MajorSubsystemVersion, 5) << "Windows XP is subsystem 5.1";
}

TEST(Executable, ImportsOnlyTheSystemsOwnDlls) {
  Image image(ExePath());
  ASSERT_NE(image.Headers(), nullptr);
  const std::set<std::string> system = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "MSVCRT.DLL"};
  const auto imports = image.Imports();
  ASSERT_TRUE(imports.count("USER32.DLL")) << "the import table was not read";
  for (const auto& [dll, names] : imports) EXPECT_TRUE(system.count(dll)) << dll;
}

// Functions that came with Windows Vista or later and that a compiler's run
// time can pull in unnoticed (threads, clocks, locks); Windows XP lacks them,
// and a program importing one of them does not start there.
TEST(Executable, ImportsNothingWindowsXpLacks) {
  Image image(ExePath());
  ASSERT_NE(image.Headers(), nullptr);
  const auto imports = image.Imports();
  ASSERT_TRUE(imports.count("KERNEL32.DLL"));
  const std::set<std::string>& kernel32 = imports.at("KERNEL32.DLL");
  for (const char* name :
       {"GetTickCount64", "InitializeSRWLock", "AcquireSRWLockExclusive", "AcquireSRWLockShared",
        "InitializeConditionVariable", "SleepConditionVariableCS", "WakeAllConditionVariable",
        "InitOnceExecuteOnce", "GetSystemTimePreciseAsFileTime", "CreateEventExW",
        "GetLogicalProcessorInformation", "FlsAlloc"}) {
    EXPECT_FALSE(kernel32.count(name)) << "KERNEL32!" << name;
  }
}

}  // namespace
}  // namespace korvane::res
