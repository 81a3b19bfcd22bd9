// Reads the compiled resources of an executable loaded as a data file back
// into plain values (dialog templates, string tables, version nodes), so
// that tests can compare them with what the program's windows should show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace korvane::res {

// The executable under test: the first command-line argument that is not one
// of GoogleTest's own flags, else the variable KORVN32_EXE.
std::string ExePath();

// A name or a number, as templates store a class, a menu or a control text.
// Names are kept as UTF-8 with anything beyond ASCII escaped as \uXXXX.
struct NameOrOrdinal {
  std::optional<std::uint16_t> ordinal;
  std::string name;
  bool operator==(const NameOrOrdinal&) const = default;
};
NameOrOrdinal Name(std::string name);
NameOrOrdinal Ordinal(std::uint16_t ordinal);
void PrintTo(const NameOrOrdinal& value, std::ostream* os);

// One control of a dialog template. A plain template has no help id (0) and a
// 16-bit id; an extended one a 32-bit id.
struct DialogItem {
  std::uint32_t helpId = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::uint32_t id = 0;
  NameOrOrdinal windowClass;
  NameOrOrdinal text;
  std::vector<std::uint8_t> extra;
  bool operator==(const DialogItem&) const = default;
};
void PrintTo(const DialogItem& item, std::ostream* os);

// The fixed part and the font of a dialog template.
struct DialogHeader {
  bool extended = false;
  std::uint32_t helpId = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  std::uint16_t itemCount = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::string title;
  std::uint16_t pointSize = 0;
  std::uint16_t weight = 0;  // extended templates only
  std::uint8_t italic = 0;   // extended templates only
  std::uint8_t charset = 0;  // extended templates only
  std::string face;
  bool operator==(const DialogHeader&) const = default;
};
void PrintTo(const DialogHeader& header, std::ostream* os);

struct DialogTemplate {
  DialogHeader header;
  std::vector<DialogItem> items;
};

// Parses a DLGTEMPLATE or DLGTEMPLATEEX; throws std::runtime_error when the
// data ends early or bytes are left over.
DialogTemplate ParseDialog(std::span<const std::uint8_t> data);

// A node of a version block: key, value (text or bytes) and children.
struct VersionNode {
  std::string key;
  std::uint16_t type = 0;         // 1 text, 0 binary
  std::uint16_t valueLength = 0;  // in characters for text, in bytes otherwise
  std::string text;               // text value without its terminating null
  std::vector<std::uint8_t> bytes;  // binary value
  std::vector<VersionNode> children;
};
VersionNode ParseVersion(std::span<const std::uint8_t> data);

// The executable, loaded as a data file for as long as the object lives.
class Module {
 public:
  explicit Module(const std::string& path);
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  HMODULE handle() const { return handle_; }
  // The bytes of a resource in language 1033, or nothing if it is absent.
  std::optional<std::span<const std::uint8_t>> Find(LPCSTR type, unsigned id) const;
  // The string with the given id in language 1033; nothing if its block is
  // absent or its length is zero (as LoadString treats it).
  std::optional<std::string> String(unsigned id) const;

 private:
  HMODULE handle_ = nullptr;
};

}  // namespace korvane::res
