#include "resource_reader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace korvane::res {

std::string ExePath() {
  for (int i = 1; i < __argc; ++i) {
    if (__argv[i] && std::strncmp(__argv[i], "--", 2) != 0) return __argv[i];
  }
  const char* fromEnvironment = std::getenv("KORVN32_EXE");
  return fromEnvironment ? fromEnvironment : "";
}

namespace {

// Reads little-endian values in order from a resource's bytes, refusing to
// run past their end.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t offset() const { return offset_; }
  bool done() const { return offset_ == data_.size(); }

  std::uint8_t U8() { return Take(1)[0]; }
  std::uint16_t U16() {
    auto b = Take(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::uint32_t U32() {
    std::uint32_t low = U16();
    return low | (std::uint32_t{U16()} << 16);
  }
  std::vector<std::uint8_t> Bytes(std::size_t n) {
    auto b = Take(n);
    return {b.begin(), b.end()};
  }
  // A null-terminated UTF-16 string.
  std::string Text() {
    std::string out;
    for (std::uint16_t c = U16(); c != 0; c = U16()) Append(out, c);
    return out;
  }
  // 0x0000 (none), 0xFFFF and a number, or a null-terminated UTF-16 name.
  NameOrOrdinal NameOrNumber() {
    std::uint16_t first = U16();
    if (first == 0xFFFF) return Ordinal(U16());
    NameOrOrdinal value;
    for (std::uint16_t c = first; c != 0; c = U16()) Append(value.name, c);
    return value;
  }
  // Skips to the next multiple of four bytes from the start.
  void Align() {
    while (offset_ % 4 != 0 && offset_ < data_.size()) ++offset_;
  }
  void Seek(std::size_t offset) {
    if (offset > data_.size()) throw std::runtime_error("offset beyond the resource");
    offset_ = offset;
  }

  static void Append(std::string& out, std::uint16_t c) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", c);
      out += escaped;
    }
  }

 private:
  std::span<const std::uint8_t> Take(std::size_t n) {
    if (data_.size() - offset_ < n) throw std::runtime_error("resource ends early");
    auto part = data_.subspan(offset_, n);
    offset_ += n;
    return part;
  }

  std::span<const std::uint8_t> data_;
  std::size_t offset_ = 0;
};

void ReadFont(Reader& in, DialogHeader& h) {
  if ((h.style & (DS_SETFONT | DS_SHELLFONT)) == 0) return;
  h.pointSize = in.U16();
  if (h.extended) {
    h.weight = in.U16();
    h.italic = in.U8();
    h.charset = in.U8();
  }
  h.face = in.Text();
}

DialogItem ReadItem(Reader& in, bool extended) {
  in.Align();
  DialogItem item;
  if (extended) {
    item.helpId = in.U32();
    item.exStyle = in.U32();
    item.style = in.U32();
  } else {
    item.style = in.U32();
    item.exStyle = in.U32();
  }
  item.x = in.I16();
  item.y = in.I16();
  item.cx = in.I16();
  item.cy = in.I16();
  item.id = extended ? in.U32() : in.U16();
  item.windowClass = in.NameOrNumber();
  item.text = in.NameOrNumber();
  std::uint16_t extra = in.U16();
  item.extra = in.Bytes(extended || extra == 0 ? extra : extra - 2u);
  return item;
}

std::string Show(const NameOrOrdinal& v) {
  std::string out(v.ordinal ? "#" : "\"");
  out.append(v.ordinal ? std::to_string(*v.ordinal) : v.name);
  if (!v.ordinal) out.push_back('"');
  return out;
}

}  // namespace

NameOrOrdinal Name(std::string name) { return {std::nullopt, std::move(name)}; }
NameOrOrdinal Ordinal(std::uint16_t ordinal) { return {ordinal, {}}; }

void PrintTo(const NameOrOrdinal& value, std::ostream* os) { *os << Show(value); }

void PrintTo(const DialogItem& i, std::ostream* os) {
  char numbers[160];
  std::snprintf(numbers, sizeof numbers,
                "help %lu ex 0x%08lX style 0x%08lX at %d,%d size %dx%d id 0x%lX",
                static_cast<unsigned long>(i.helpId), static_cast<unsigned long>(i.exStyle),
                static_cast<unsigned long>(i.style), i.x, i.y, i.cx, i.cy,
                static_cast<unsigned long>(i.id));
  *os << "{" << numbers << " class " << Show(i.windowClass) << " text " << Show(i.text)
      << " extra " << i.extra.size() << " bytes}";
}

void PrintTo(const DialogHeader& h, std::ostream* os) {
  char numbers[200];
  std::snprintf(numbers, sizeof numbers,
                "%s help %lu ex 0x%08lX style 0x%08lX items %u at %d,%d size %dx%d "
                "font %u pt weight %u italic %u charset %u",
                h.extended ? "DIALOGEX" : "DIALOG", static_cast<unsigned long>(h.helpId),
                static_cast<unsigned long>(h.exStyle), static_cast<unsigned long>(h.style),
                h.itemCount, h.x, h.y, h.cx, h.cy, h.pointSize, h.weight, h.italic, h.charset);
  *os << "{" << numbers << " face \"" << h.face << "\" menu " << Show(h.menu) << " class "
      << Show(h.windowClass) << " title \"" << h.title << "\"}";
}

DialogTemplate ParseDialog(std::span<const std::uint8_t> data) {
  Reader in(data);
  DialogTemplate t;
  DialogHeader& h = t.header;
  std::uint16_t version = in.U16();
  std::uint16_t signature = in.U16();
  h.extended = version == 1 && signature == 0xFFFF;
  if (h.extended) {
    h.helpId = in.U32();
    h.exStyle = in.U32();
    h.style = in.U32();
  } else {
    in.Seek(0);
    h.style = in.U32();
    h.exStyle = in.U32();
  }
  h.itemCount = in.U16();
  h.x = in.I16();
  h.y = in.I16();
  h.cx = in.I16();
  h.cy = in.I16();
  h.menu = in.NameOrNumber();
  h.windowClass = in.NameOrNumber();
  h.title = in.Text();
  ReadFont(in, h);
  for (unsigned i = 0; i < h.itemCount; ++i) t.items.push_back(ReadItem(in, h.extended));
  in.Align();
  if (!in.done()) throw std::runtime_error("bytes left after the last control");
  return t;
}

namespace {

VersionNode ReadNode(Reader& in) {
  in.Align();
  std::size_t start = in.offset();
  VersionNode node;
  std::uint16_t length = in.U16();
  node.valueLength = in.U16();
  node.type = in.U16();
  node.key = in.Text();
  in.Align();
  std::size_t end = start + length;
  if (node.type == 1) {
    // Text: valueLength counts characters, the terminating null included.
    std::size_t valueStart = in.offset();
    node.text = in.Text();
    in.Seek(valueStart + 2u * node.valueLength);
  } else {
    node.bytes = in.Bytes(node.valueLength);
  }
  // Children start on the next four-byte boundary; the padding after the
  // last value of a block is not counted in the block's length.
  while ((in.offset() + 3) / 4 * 4 < end) node.children.push_back(ReadNode(in));
  if (in.offset() > end) throw std::runtime_error("version node overruns its length");
  in.Seek(end);
  return node;
}

}  // namespace

VersionNode ParseVersion(std::span<const std::uint8_t> data) {
  Reader in(data);
  VersionNode root = ReadNode(in);
  in.Align();
  if (!in.done()) throw std::runtime_error("bytes left after the version block");
  return root;
}

Module::Module(const std::string& path) {
  std::string windowsPath = path;
  // A Unix path from the build system: Wine's drive Z: is the Unix root.
  if (!windowsPath.empty() && windowsPath[0] == '/') windowsPath = "Z:" + windowsPath;
  for (char& c : windowsPath) {
    if (c == '/') c = '\\';
  }
  handle_ = LoadLibraryExA(windowsPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

Module::~Module() {
  if (handle_) FreeLibrary(handle_);
}

std::optional<std::span<const std::uint8_t>> Module::Find(LPCSTR type, unsigned id) const {
  HRSRC found = FindResourceExA(handle_, type, MAKEINTRESOURCEA(id),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(handle_, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return std::span(static_cast<const std::uint8_t*>(bytes), SizeofResource(handle_, found));
}

std::optional<std::string> Module::String(unsigned id) const {
  auto block = Find(MAKEINTRESOURCEA(6) /* RT_STRING */, id / 16 + 1);
  if (!block) return std::nullopt;
  Reader in(*block);
  for (unsigned i = 0; i < id % 16; ++i) in.Bytes(2u * in.U16());
  std::uint16_t length = in.U16();
  if (length == 0) return std::nullopt;
  std::string text;
  for (std::uint16_t i = 0; i < length; ++i) Reader::Append(text, in.U16());
  return text;
}

}  // namespace korvane::res
