#include "adif_reader.h"

namespace korvax {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Upper(c);
  return out;
}

size_t FindNoCase(std::string_view text, std::string_view key) {
  if (key.size() > text.size()) return std::string_view::npos;
  for (size_t i = 0; i + key.size() <= text.size(); ++i) {
    size_t j = 0;
    while (j < key.size() && Upper(text[i + j]) == key[j]) ++j;
    if (j == key.size()) return i;
  }
  return std::string_view::npos;
}

// A tag name as a message shows it: control bytes and DEL as \xNN, so that a broken
// file cannot send escape sequences to the terminal.
std::string Printable(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string_view AdifQso::Get(std::string_view name) const {
  for (const auto& [field, value] : fields) {
    if (field == name) return value;
  }
  return {};
}

bool ParseAdif(std::string_view text, AdifText* result, std::string* error) {
  return ForEachAdifQso(
      text, [result](const AdifQso& qso) { result->qsos.push_back(qso); }, &result->unterminated, error);
}

bool ForEachAdifQso(std::string_view text, const std::function<void(const AdifQso&)>& on_qso,
                    int* unterminated, std::string* error) {
  // Everything up to <EOH> is header; some writers put a header after a leading tag and
  // others leave it out, so the first <EOH> decides.
  size_t eoh = FindNoCase(text, "<EOH>");
  size_t at = eoh == std::string_view::npos ? 0 : eoh + 5;
  AdifQso current;
  while (true) {
    size_t open = text.find('<', at);
    if (open == std::string_view::npos) break;
    size_t close = text.find('>', open);
    if (close == std::string_view::npos) {
      *error = "a tag is not closed with '>'";
      return false;
    }
    std::string_view tag = text.substr(open + 1, close - open - 1);
    size_t colon = tag.find(':');
    std::string name = UpperCase(tag.substr(0, colon));
    at = close + 1;
    if (colon == std::string_view::npos) {
      if (name == "EOR") {
        on_qso(current);
        current.fields.clear();
      }
      continue;  // <EOH> again, or a tag without data: nothing to keep
    }
    std::string_view length_text = tag.substr(colon + 1);
    length_text = length_text.substr(0, length_text.find(':'));
    size_t length = 0;
    if (length_text.empty() || length_text.size() > 9) {
      *error = "field " + Printable(name) + " has no usable length";
      return false;
    }
    for (char c : length_text) {
      if (c < '0' || c > '9') {
        *error = "field " + Printable(name) + " has no usable length";
        return false;
      }
      length = length * 10 + static_cast<size_t>(c - '0');
    }
    if (length > text.size() - at) {
      *error = "field " + Printable(name) + " runs past the end of the file";
      return false;
    }
    current.fields.emplace_back(std::move(name), std::string(text.substr(at, length)));
    at += length;
  }
  if (!current.fields.empty()) ++*unterminated;
  return true;
}

}  // namespace korvax
