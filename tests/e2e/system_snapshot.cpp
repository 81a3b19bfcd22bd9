#include "system_snapshot.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace e2e {

namespace {

std::string Utf8(const wchar_t* text, size_t length) {
  if (length == 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring Wide(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), size);
  out.resize(out.size() - 1);  // the terminator
  return out;
}

// FNV-1a, 64 bits: enough to tell changed data apart.
uint64_t Hash(const BYTE* data, DWORD size) {
  uint64_t hash = 1469598103934665603ULL;
  for (DWORD i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ULL;
  return hash;
}

std::string Format(const char* format, unsigned long long a, unsigned long long b, unsigned long long c = 0) {
  char text[96];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

}  // namespace

// Fills a snapshot's entries; a friend of SystemSnapshot.
class SnapshotWalker {
 public:
  explicit SnapshotWalker(std::map<std::string, std::string>& entries) : entries_(entries) {}

  void Key(HKEY key, const std::string& path) {
    entries_[path] = "key";
    Values(key, path);
    std::vector<std::wstring> names;
    std::vector<wchar_t> name(256);
    for (DWORD i = 0;; ++i) {
      DWORD length = static_cast<DWORD>(name.size());
      const LONG status = RegEnumKeyExW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_MORE_DATA) {
        name.resize(name.size() * 2);
        --i;
        continue;
      }
      if (status != ERROR_SUCCESS) break;
      names.emplace_back(name.data(), length);
    }
    for (const auto& sub_name : names) {
      const std::string sub_path = path + "\\" + Utf8(sub_name.data(), sub_name.size());
      HKEY sub = nullptr;
      if (RegOpenKeyExW(key, sub_name.c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS) {
        entries_[sub_path] = "key (unreadable)";
        continue;
      }
      Key(sub, sub_path);
      RegCloseKey(sub);
    }
  }

  void Folder(const std::wstring& folder, const std::string& shown) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::string path = shown + "\\" + Utf8(name.data(), name.size());
      const unsigned long long written =
          (static_cast<unsigned long long>(found.ftLastWriteTime.dwHighDateTime) << 32) |
          found.ftLastWriteTime.dwLowDateTime;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        entries_[path] = "link";
      } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        entries_[path] = "folder";
        Folder(folder + L"\\" + name, path);
      } else {
        const unsigned long long size =
            (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        entries_[path] = Format("file, %llu bytes, written %llu", size, written);
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }

 private:
  void Values(HKEY key, const std::string& path) {
    std::vector<wchar_t> name(256);
    std::vector<BYTE> data(1024);
    for (DWORD i = 0;;) {
      DWORD name_length = static_cast<DWORD>(name.size());
      DWORD data_size = static_cast<DWORD>(data.size());
      DWORD type = 0;
      const LONG status = RegEnumValueW(key, i, name.data(), &name_length, nullptr, &type, data.data(), &data_size);
      if (status == ERROR_MORE_DATA) {
        // Either buffer may be too small: grow both and ask again.
        name.resize(name.size() * 2);
        data.resize(std::max<size_t>(data.size() * 2, data_size));
        continue;
      }
      if (status != ERROR_SUCCESS) break;
      entries_[path + " : " + Utf8(name.data(), name_length)] =
          Format("type %llu, %llu bytes, data %016llx", type, data_size, Hash(data.data(), data_size));
      ++i;
    }
  }

  std::map<std::string, std::string>& entries_;
};

SystemSnapshot SystemSnapshot::Take(const std::vector<std::string>& folders) {
  SystemSnapshot snapshot;
  SnapshotWalker walker(snapshot.entries_);
  walker.Key(HKEY_CURRENT_USER, "HKCU");
  walker.Key(HKEY_LOCAL_MACHINE, "HKLM");
  for (const auto& folder : folders) {
    std::string trimmed = folder;
    while (!trimmed.empty() && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
    snapshot.entries_[trimmed] = "folder";
    walker.Folder(Wide(trimmed), trimmed);
  }
  return snapshot;
}

std::vector<SystemSnapshot::Change> SystemSnapshot::Differences(const SystemSnapshot& before,
                                                                const SystemSnapshot& after) {
  std::vector<Change> out;
  auto b = before.entries_.begin(), a = after.entries_.begin();
  while (b != before.entries_.end() || a != after.entries_.end()) {
    if (a == after.entries_.end() || (b != before.entries_.end() && b->first < a->first)) {
      out.push_back({b->first, "- " + b->first + " (" + b->second + ")"});
      ++b;
    } else if (b == before.entries_.end() || a->first < b->first) {
      out.push_back({a->first, "+ " + a->first + " (" + a->second + ")"});
      ++a;
    } else {
      if (a->second != b->second) out.push_back({a->first, "~ " + a->first + " (" + b->second + " -> " + a->second + ")"});
      ++a;
      ++b;
    }
  }
  return out;
}

}  // namespace e2e
