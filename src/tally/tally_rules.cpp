#include "tally/tally_rules.h"

#include <cstring>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "tally/tally_texts.h"
#include "targets/comma_text.h"

namespace tally {

namespace {

constexpr size_t kListPrefixBytes = 4;
constexpr size_t kCallRunChars = 30;
constexpr int kZaLinesForZaList = 55;
constexpr char kZaListPrefix[] = "ZA-0";
constexpr size_t kWorkedField = 4;
constexpr size_t kTargetFields = 5;

bool IsCallChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

ListKind ClassifyList(const std::vector<std::string>& lines, const KeywordSlots& AwdKeywords) {
  ListKind kind;
  if (lines.size() < 4) return kind;
  const std::string ref = sjis::FirstBytesPadded(lines[3], kListPrefixBytes);
  std::vector<std::string> city_prefixes;
  for (int slot = kFirstPerCitySlot; slot < kKeywordSlots; ++slot) {
    const std::string_view keyword =
        slot == kKeywordSlots - 1 ? std::string_view(kFixedLastSlot) : AwdKeywords[slot];
    city_prefixes.push_back(sjis::FirstBytesPadded(keyword, kListPrefixBytes));
  }
  int za = 0;
  int city = 0;
  for (size_t j = 1; j < lines.size(); ++j) {
    const std::string p = sjis::FirstBytesPadded(lines[j], kListPrefixBytes);
    if (p.compare(0, 2, ref, 0, 2) != 0) {
      kind.MixedList = true;
      return kind;
    }
    if (p == kZaListPrefix && ++za > kZaLinesForZaList) {
      kind.ZaList = true;
      return kind;
    }
    for (const std::string& prefix : city_prefixes) {
      if (prefix == p && ++city > 1) {
        kind.PerCityList = true;
        return kind;
      }
    }
  }
  return kind;
}

int ClassifyKeyword(std::string& AwardKeyword, const KeywordSlots& AwdKeywords) {
  for (int slot = 0; slot < kKeywordSlotsChecked; ++slot) {
    const std::string& other = AwdKeywords[slot];
    if (!other.empty() && StartsWith(AwardKeyword, other)) {
      AwardKeyword.resize(other.size());
      return kKindFirstSlot + slot;
    }
  }
  const std::string_view hot_spring(kHotSpringPrefix);
  if (StartsWith(AwardKeyword, hot_spring)) {
    AwardKeyword.resize(hot_spring.size());
    return kKindHotSpring;
  }
  if (AwardKeyword.size() > 2) AwardKeyword.resize(2);
  return kKindNumbered;
}

bool IsClubOrSpecialCall(std::string_view call) {
  if (StartsWith(call, "8J") || StartsWith(call, "8M") || StartsWith(call, "8N")) return true;
  size_t length = 0;
  while (length < call.size() && IsCallChar(call[length])) ++length;
  call = call.substr(0, length);
  if (call.size() == 5) return StartsWith(call, "JA") && call.substr(3, 2) == "RL";
  if (call.size() == 6) return call[3] == 'Y' || call[3] == 'Z';
  return false;
}

std::string_view LeadingCallRun(std::string_view text) {
  text = sjis::FirstChars(text, kCallRunChars);
  size_t length = 0;
  while (length < text.size() && IsCallChar(text[length])) ++length;
  return text.substr(0, length);
}

bool DropLeadingCall(std::string_view call_run, std::string& field) {
  if (call_run.empty()) return false;
  const std::string_view text(field);
  size_t keep_from = 0;
  while (keep_from < text.size()) {
    const size_t colon = text.find(':', keep_from);
    const size_t entry_end = colon == std::string_view::npos ? text.size() : colon;
    if (LeadingCallRun(text.substr(keep_from, entry_end - keep_from)) != call_run) break;
    keep_from = colon == std::string_view::npos ? text.size() : colon + 1;
  }
  if (keep_from == 0) return false;
  field.erase(0, keep_from);
  return true;
}

bool IsBracketByte(unsigned char byte) {
  if (cp932::IsLeadByte(byte)) return false;
  return !((byte >= '0' && byte <= '9') || byte == ':' || (byte >= 'A' && byte <= 'Z'));
}

bool BracketPair::IsUsable() const {
  const auto one_byte = [](const std::string& bracket) {
    return bracket.size() == 1 && IsBracketByte(static_cast<unsigned char>(bracket[0]));
  };
  return one_byte(open) && one_byte(close) && static_cast<unsigned char>(open[0]) >= '!';
}

BracketPair ParseBrackets(std::string_view text) {
  BracketPair pair;
  const size_t first = text.empty() ? 0 : cp932::CharLength(text, 0);
  pair.open = text.empty() ? std::string(" ") : std::string(text.substr(0, first));
  const std::string_view rest = text.substr(first);
  pair.close = rest.empty() ? std::string(" ") : std::string(rest.substr(0, cp932::CharLength(rest, 0)));
  return pair;
}

const BracketPair& EntryStyle::PairFor(char qsl_mark) const {
  const char mark = qsl_mark == '\0' ? ' ' : qsl_mark;
  return cp932::Find(GiveUpMarks, std::string_view(&mark, 1)) != std::string_view::npos ? worked
                                                                                       : confirmed;
}

std::string MakeGiveUpMarks(std::string_view edit4_text) {
  return std::string(sjis::TrimBlanks(edit4_text)) + " ";
}

void AppendEntryText(std::string& field4, std::string_view call, char qsl_mark,
                     int32_t record_number, const EntryStyle& style) {
  const BracketPair& pair = style.PairFor(qsl_mark);
  // Every entry after the first is set off by ":", whatever the length of the first.
  if (!field4.empty()) field4 += ':';
  for (const char byte : call) field4 += static_cast<unsigned char>(byte) < ' ' ? ' ' : byte;
  field4 += pair.open;
  field4 += std::to_string(record_number);
  field4 += pair.close;
}

void AppendQsoEntry(std::string& line, std::string_view call, char qsl_mark,
                    int32_t record_number, const EntryStyle& style) {
  std::vector<std::string> fields = targets::SplitCommaText(line);
  if (fields.size() < kTargetFields) fields.resize(kTargetFields);
  AppendEntryText(fields[kWorkedField], call, qsl_mark, record_number, style);
  line = targets::JoinCommaText(fields);
}

std::string ReportText(int worked, int confirmed, std::string_view award_name, bool table_made) {
  std::string text;
  if (worked < 1) {
    text += texts::kNoContactsHead;
    text += award_name;
    text += texts::kNoContactsTail;
    return text;
  }
  text += std::to_string(worked);
  text += texts::kWorkedAfterCount;
  text += award_name;
  text += texts::kWorkedAfterName;
  text += std::to_string(confirmed);
  text += texts::kConfirmedAfterCount;
  if (table_made) text += texts::kTableNote;
  return text;
}

}  // namespace tally
