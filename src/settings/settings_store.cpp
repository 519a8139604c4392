#include "settings/settings_store.h"

#include <algorithm>

#include "base/file_error.h"
#include "base/platform.h"
#include "base/sjis_text.h"
#include "base/string_utils.h"
#include "base/text_file.h"
#include "settings/string_lx.h"

namespace {

constexpr size_t kMaxValueLength = 65535;
// The mark a text editor may put before the first section.
constexpr std::string_view kUtf8ByteOrderMark = "\xef\xbb\xbf";

bool SameName(std::string_view a, std::string_view b) {
  return platform::CompareTextIgnoreCase(a, b) == 0;
}

// Position of the "=" that ends `key` in `line`, or npos when the line is not that key.
size_t KeyEnd(std::string_view line, std::string_view key) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos || !SameName(line.substr(0, equals), key)) {
    return std::string_view::npos;
  }
  return equals;
}

template <class Lines>
auto FindKeyLine(Lines& lines, std::string_view key) {
  return std::find_if(lines.begin(), lines.end(), [key](const std::string& line) {
    return KeyEnd(line, key) != std::string_view::npos;
  });
}

// A line break inside a name or value would split the line when the file is read back.
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace_if(line.begin(), line.end(),
                  [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
  return line;
}

}  // namespace

TKrxIni::TKrxIni(std::string file_name) : file_name_(std::move(file_name)) {
  writable_ = !file_name_.empty();
  if (file_name_.empty() || !FileExists(file_name_)) return;
  std::string bytes;
  const Status read = ReadWholeFile(file_name_, bytes);
  if (!read.ok() || bytes.find('\0') != std::string::npos) {
    load_status_ = Status::Error(FileError::CannotOpen(file_name_, read.message()).what());
    writable_ = false;
    return;
  }
  std::string_view text = bytes;
  if (text.starts_with(kUtf8ByteOrderMark)) {
    byte_order_mark_ = true;
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  Parse(SplitLines(text));
  // What the file holds as this store would write it: comments and blank lines do not
  // count, so a file that nothing changed is never written.
  Snapshot = Text();
}

TKrxIni::TKrxIni(std::string file_name, ReadOnly) : TKrxIni(std::move(file_name)) {
  writable_ = false;
}

TKrxIni::~TKrxIni() {
  SaveIfChanged();
}

void TKrxIni::Parse(const std::vector<std::string>& lines) {
  Sections.clear();
  Section* current = nullptr;
  for (const std::string& line : lines) {
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      Sections.push_back({line.substr(1, line.size() - 2), {}});
      current = &Sections.back();
    } else if (current != nullptr) {
      current->lines.push_back(line);
    }
  }
}

TKrxIni::Section* TKrxIni::FindSection(std::string_view name) {
  auto found = std::find_if(Sections.begin(), Sections.end(),
                            [name](const Section& section) { return SameName(section.name, name); });
  return found == Sections.end() ? nullptr : &*found;
}

const TKrxIni::Section* TKrxIni::FindSection(std::string_view name) const {
  auto found = std::find_if(Sections.begin(), Sections.end(),
                            [name](const Section& section) { return SameName(section.name, name); });
  return found == Sections.end() ? nullptr : &*found;
}

std::string TKrxIni::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::string(default_value);
  for (const std::string& line : found->lines) {
    const size_t key_end = KeyEnd(line, key);
    if (key_end == std::string_view::npos) continue;
    const std::string_view value = std::string_view(line).substr(key_end + 1);
    return std::string(TrimRightBlanks(sjis::CutToBytes(value, kMaxValueLength)));
  }
  return std::string(default_value);
}

int TKrxIni::ReadInteger(std::string_view section, std::string_view key, int default_value) const {
  const std::string text = ReadString(section, key, std::to_string(default_value));
  return ParseInteger(text).value_or(0);
}

void TKrxIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A key that holds "=", or that begins a line like a section header or a comment,
  // could never be read back; it is not written.
  if (key.find('=') != std::string_view::npos) return;
  if (!key.empty() && (key.front() == '[' || key.front() == ';')) return;
  const std::string section_name = OneLine(section);
  const std::string key_text = OneLine(key);
  Section* found = FindSection(section_name);
  if (found == nullptr) {
    Sections.push_back({section_name, {}});
    found = &Sections.back();
  }
  std::string line = key_text + "=" + OneLine(value);
  auto existing = FindKeyLine(found->lines, key_text);
  if (existing != found->lines.end()) {
    *existing = std::move(line);
  } else {
    found->lines.push_back(std::move(line));
  }
}

void TKrxIni::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TKrxIni::WriteOrDelete(std::string_view section, std::string_view key, std::string_view value) {
  if (!value.empty()) {
    WriteString(section, key, value);
  } else {
    DeleteKey(section, key);
  }
}

void TKrxIni::EraseSection(std::string_view section) {
  const Section* found = FindSection(section);
  if (found != nullptr) Sections.erase(Sections.begin() + (found - Sections.data()));
}

void TKrxIni::DeleteKey(std::string_view section, std::string_view key) {
  Section* found = FindSection(section);
  if (found == nullptr) return;
  auto line = FindKeyLine(found->lines, key);
  if (line != found->lines.end()) found->lines.erase(line);
}

TStringLX TKrxIni::BuildFile() const {
  TStringLX file;
  for (const Section& section : Sections) {
    file.lines.push_back("[" + section.name + "]");
    file.lines.insert(file.lines.end(), section.lines.begin(), section.lines.end());
    file.lines.emplace_back();
  }
  return file;
}

std::string TKrxIni::Text() const {
  std::string text = BuildFile().Text();
  if (byte_order_mark_) text.insert(0, kUtf8ByteOrderMark);
  return text;
}

Status TKrxIni::SaveIfChanged() {
  if (saved_) return Status::Ok();
  saved_ = true;
  if (!writable_) return Status::Ok();
  const std::string text = Text();
  if (text == Snapshot) return Status::Ok();
  return WriteFileAtomic(file_name_, text);
}
