#include "tally/dialog/sorva_b_key_filters.h"

#include "tally/tally_rules.h"

#include <algorithm>
#include <string_view>

#include "base/cp932.h"
#include "base/sjis_text.h"

namespace tally {

namespace {

// The kana printed on the keys of a JIS keyboard, and the character on the same key.
constexpr std::string_view kKanaKeys =
    "\xc1\xba\xbf\xbc\xb2\xca\xb7\xb8\xc6\xcf\xc9\xd8\xd3\xd0\xd7\xbe\xc0\xbd\xc4\xb6"
    "\xc5\xcb\xc3\xbb\xdd\xc2\xc7\xcc\xb1\xb3\xb4\xb5\xd4\xd5\xd6\xdc\xd9\xda\xce\xd2";  // ﾁｺｿｼｲﾊｷｸﾆﾏﾉﾘﾓﾐﾗｾﾀｽﾄｶﾅﾋﾃｻﾝﾂﾇﾌｱｳｴｵﾔﾕﾖﾜﾙﾚﾎﾒ
constexpr std::string_view kLatinKeys = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890.+-/";
static_assert(kKanaKeys.size() == kLatinKeys.size());


bool IsDigitKey(int key) { return key >= '0' && key <= '9'; }

int Clamp(int caret, const std::string& text) {
  return std::clamp(caret, 0, static_cast<int>(text.size()));
}

// Removes the whole character that starts at `pos`, if any.
void EraseCharAt(std::string& text, size_t pos) {
  if (pos < text.size()) text.erase(pos, cp932::CharLength(text, pos));
}

// Where the character before `pos` starts.
size_t PreviousCharStart(const std::string& text, size_t pos) {
  size_t start = 0;
  for (size_t next = 0; next < pos; next += cp932::CharLength(text, next)) start = next;
  return start;
}

}  // namespace

int NormalizeKanaKey(int key) {
  if (key >= 0xB1 && key <= 0xDD) {
    const size_t at = kKanaKeys.find(static_cast<char>(key));
    if (at != std::string_view::npos) key = static_cast<unsigned char>(kLatinKeys[at]);
  }
  return key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key;
}

bool BracketKeyAllowed(int key) {
  return key >= 0 && key <= 0xFF && IsBracketByte(static_cast<unsigned char>(key));
}

int UpperCaseKey(int key) { return key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key; }

void TypeStartRecordKey(CaretText& box, int key) {
  size_t caret = static_cast<size_t>(Clamp(box.caret, box.text));
  if (IsDigitKey(key)) {
    EraseCharAt(box.text, caret);
    box.text.insert(caret, 1, static_cast<char>(key));
    box.caret = static_cast<int>(caret) + 1;
  } else if (key == kKeyBackspace && caret > 0) {
    const size_t start = PreviousCharStart(box.text, caret);
    box.text.erase(start, caret - start);
    box.caret = static_cast<int>(start);
  }
}

void TypeStartDateKey(CaretText& box, int key) {
  if (key < ' ') return;
  key = NormalizeKanaKey(key);
  if (!IsDigitKey(key)) return;
  int caret = Clamp(box.caret, box.text);
  if (caret == 2 || caret == 5) ++caret;  // over the slash
  EraseCharAt(box.text, static_cast<size_t>(caret));
  box.text.resize(sjis::CutToBytes(box.text, tally::kStartDateBytes - 1).size());
  caret = Clamp(caret, box.text);
  box.text.insert(static_cast<size_t>(caret), 1, static_cast<char>(key));
  box.caret = caret + 1;
}

}  // namespace tally
