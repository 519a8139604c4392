// The engine against the literal reference on many generated lists and logs (a fixed
// seed): every kind of list, keywords in ASCII and in double-byte characters, codes at
// the ends of their ranges, hostile call signs and brackets, filters, start record and
// date, duplicates and aborts. Both must leave the same lines byte for byte, report the
// same, and tell the dialog the same things in the same order.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "reference_tally.h"
#include "tally/tally_engine.h"
#include "tally_test_support.h"

namespace {

using korvax::MstRecord;

const std::string kStation = "\x81\xa0";              // □
const std::string kHotSpring = "\x93\x92-";           // 湯-
const std::string kCity = "\x82\xd0-\x96k";           // ひ-北
const std::string kMichi = "\x82\xdd\x82\xbf-";       // みち-
const std::string kMountain = "\x8e\x52\x8a\x78";     // 山岳
const std::string kLead = "\x81";                     // a lone lead byte

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint32_t Next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 16);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <class T>
  const T& Pick(const std::vector<T>& items) { return items[static_cast<size_t>(Below(static_cast<int>(items.size())))]; }

 private:
  uint64_t state_;
};

std::string Digits(int value, int width) {
  std::string text = std::to_string(value);
  return std::string(width > static_cast<int>(text.size()) ? width - text.size() : 0, '0') + text;
}

enum class ListType { kNumbered, kHotSpring, kSlotKeyword, kZa, kPerCity, kMixed, kCount };

struct Case {
  std::vector<std::string> lines;
  std::vector<MstRecord> qsos;
  tally::TallyOptions options;
  int cancel_at_message = -1;
};

class CaseMaker {
 public:
  explicit CaseMaker(uint64_t seed) : random_(seed) {}

  Case Make(ListType type) {
    Case c;
    codes_.clear();
    places_.clear();
    tally::TallyOptions& o = c.options;
    o.AwardName = random_.Chance(50) ? "\x93\xb9\x82\xcc\x89w" : "ZA%s";
    if (random_.Chance(30)) o.AwdKeywords[static_cast<size_t>(random_.Below(16))] = "JCC";
    const std::string slot_keyword = random_.Chance(50) ? std::string("JCC") : kMountain;
    const std::string city_keyword = random_.Chance(50) ? kCity : kMichi;
    if (type == ListType::kSlotKeyword || type == ListType::kMixed) o.AwdKeywords[3] = slot_keyword;
    if (type == ListType::kPerCity || type == ListType::kMixed) o.AwdKeywords[16] = kMichi;
    if (type == ListType::kMixed && random_.Chance(50)) o.AwdKeywords[5] = "ZA-";

    c.lines.push_back("No,Name,Code,Place,Worked,Award,,1");
    const int count = type == ListType::kZa ? 62 + random_.Below(20) : 10 + random_.Below(50);
    for (int i = 0; i < count; ++i) {
      ListType line_type = type;
      if (type == ListType::kMixed) {
        line_type = random_.Pick(std::vector<ListType>{ListType::kNumbered, ListType::kHotSpring,
                                                       ListType::kSlotKeyword, ListType::kPerCity, ListType::kZa});
      }
      c.lines.push_back(MakeLine(line_type, slot_keyword, city_keyword));
    }
    const int qso_count = 20 + random_.Below(130);
    for (int i = 0; i < qso_count; ++i) c.qsos.push_back(MakeQso(type, slot_keyword, city_keyword));

    o.WkdChars = random_.Pick(std::vector<std::string>{"<>", "<>", "[", ",,", "\"\"", " >"});
    o.CfmChars = random_.Pick(std::vector<std::string>{"()", "()", "{}", "(,"});
    o.start_date = random_.Pick(std::vector<std::string>{"00/00/00", "00/00/00", "00/00/00", "15/01/01", "20/06/01", "21/01/01xx"});
    o.start_record = random_.Pick(std::vector<int32_t>{1, 1, 0, -3, qso_count / 2, qso_count, qso_count + 5});
    if (random_.Chance(30)) o.band_mask = random_.Pick(std::vector<uint32_t>{0, 1, 4 | 1, 1u << 11, 0x7fff, 0x18000});
    if (random_.Chance(30)) o.portable = static_cast<tally::PortableChoice>(random_.Below(3));
    o.remarks = static_cast<tally::RemarksChoice>(random_.Below(4));
    if (random_.Chance(30)) o.ModeFilter = random_.Pick(std::vector<std::string>{"CW SSB", " FM ", "C"});
    o.GiveUpMarks = random_.Pick(std::vector<std::string>{"", "N", " *N ", "\x81~"});
    o.NoDuplicates = random_.Chance(35);
    o.ExcelTable = random_.Chance(40);
    o.AwardOptions = random_.Below(4);
    const std::string& row = c.lines[static_cast<size_t>(1 + random_.Below(count))];
    o.AwardKeyword = row.substr(0, 6);
    if (random_.Chance(15)) c.cancel_at_message = 1 + random_.Below(6);
    return c;
  }

 private:
  std::string Name() {
    return random_.Pick(std::vector<std::string>{"a", "\x89\xb7\x90\xf2", "x y", "\"q\"", "  lead",
                                                 "has,comma", "JA1ABC<1>"});
  }

  std::string MakeLine(ListType type, const std::string& slot_keyword, const std::string& city_keyword) {
    std::string code;
    std::string place_code;
    switch (type) {
      case ListType::kNumbered:
        code = kStation + Digits(random_.Pick(std::vector<int>{0, 1, 2, 13, 47, 48}), 2) + "-" +
               Digits(1 + random_.Below(4), 3);
        place_code = Digits(100 + random_.Below(20), 4);
        break;
      case ListType::kHotSpring:
        code = kHotSpring + std::to_string(random_.Pick(std::vector<int>{0, 1, 7, 123, 50000, 50001}));
        place_code = Digits(100 + random_.Below(20), 4);
        break;
      case ListType::kSlotKeyword:
        code = slot_keyword + Digits(random_.Below(30), 4);
        place_code = Digits(100 + random_.Below(20), 4);
        break;
      case ListType::kZa:
        code = (random_.Chance(97) ? "ZA-0" : "ZA-1") + Digits(random_.Below(200), 3);
        place_code = Digits(random_.Chance(50) ? 1000 + random_.Below(15) : 10000 + random_.Below(15), 4);
        break;
      case ListType::kPerCity:
      case ListType::kCount:
      case ListType::kMixed:
        code = (type == ListType::kMixed ? kMichi : city_keyword) + std::to_string(random_.Below(40));
        place_code = Digits(1000 + random_.Below(15), 4);
        break;
    }
    codes_.push_back(code);
    places_.push_back(place_code);
    std::string place = random_.Pick(std::vector<std::string>{"\x96k\x8a" "C", "x", "", "y" + kLead});
    std::string line = code + "," + Name() + "," + place_code + "," + place;
    switch (random_.Below(9)) {
      case 0: break;
      case 1: line += ",JA1OLD<3>"; break;
      case 2: line += ",,note"; break;
      case 3: line += ",,\"" + (codes_.empty() ? code : random_.Pick(codes_)) + ",\",more"; break;  // a code after field 4
      case 4: line += ",old,,"; break;                        // trailing empty fields
      case 5: line += ",," + place_code + "," + Digits(1000 + random_.Below(15), 4) + ",z"; break;
      case 6: line += ",A<1>,tail"; break;
      case 7: line += ",\"x,y\",,"; break;
      case 8: line += "  "; break;
    }
    return line;
  }

  std::string Remarks(ListType type, const std::string& slot_keyword) {
    const std::string code = codes_.empty() ? kStation + "01-001" : random_.Pick(codes_);
    switch (random_.Below(12)) {
      case 0: return "";
      case 1: return code + ",";
      case 2: return "QSL " + code + ",thanks";
      case 3: return code;  // no comma
      case 4: return code + "," + random_.Pick(codes_) + ",";
      case 5: return kStation + Digits(random_.Below(50), 2) + "-001,";
      case 6: return kHotSpring + std::to_string(random_.Below(3) - 1) + ",";
      case 7: return kHotSpring + "-50000,x";
      case 8: return slot_keyword + ",";
      case 9: return "x" + kLead + code.substr(0, 1) + code.substr(1) + ",";  // hit on a trail byte
      case 10: return type == ListType::kNumbered ? code + "-," : code + "  ,";
      default: return kStation;
    }
  }

  MstRecord MakeQso(ListType type, const std::string& slot_keyword, const std::string& city_keyword) {
    (void)city_keyword;
    MstRecord qso;
    qso.call = random_.Pick(std::vector<std::string>{"JA1ABC", "JH2XYZ/2", "7K1AYB", "JA1RL", "8J1XYZ",
                                                     "JA1YAA", "K1A", "A", "JA1,X", "JA\"Q", " JA1SP",
                                                     "JA" + kStation + "1", "JA1ZAB", "JCC1", "JA1ABC",
                                                     "JR3" + kLead, "JA1ABC", "A"});
    qso.date = random_.Pick(std::vector<std::string>{"13/05/01", "14/08/31", "14/09/01", "15/01/01", "19/12/31",
                                                     "20/06/15", "21/01/02", "21/01/02", "50/01/01", "51/01/01",
                                                     "00/00/00", ""});
    const std::string place = places_.empty() ? "1001" : random_.Pick(places_);
    qso.qth = random_.Pick(std::vector<std::string>{place, place, place + Digits(random_.Below(3), 2),
                                                    "1001" + Digits(random_.Below(3), 2), place + "  ", "12",
                                                    "", "12,3", "A<" + std::to_string(1 + random_.Below(9)) + ">"});
    qso.qsl_mark = random_.Pick(std::vector<char>{' ', ' ', 'J', 'N', '*', '~'});
    qso.portable = random_.Chance(30);
    qso.frequency = random_.Pick(std::vector<std::string>{"1.9", "3.5", "7.025", "14.1", "430", "1200", "", "abc"});
    qso.mode = random_.Pick(std::vector<std::string>{"CW", "SSB", "FM", "FT8", "", "C"});
    qso.remarks1 = Remarks(type, slot_keyword);
    qso.remarks2 = Remarks(type, slot_keyword);
    qso.time = "09:15";
    return qso;
  }

  Random random_;
  std::vector<std::string> codes_;
  std::vector<std::string> places_;
};

void ExpectSameResult(const tally::TallyResult& a, const tally::TallyResult& b, const std::string& where) {
  EXPECT_EQ(a.end, b.end) << where;
  EXPECT_EQ(a.list.MixedList, b.list.MixedList) << where;
  EXPECT_EQ(a.list.ZaList, b.list.ZaList) << where;
  EXPECT_EQ(a.list.PerCityList, b.list.PerCityList) << where;
  EXPECT_EQ(a.counted, b.counted) << where;
  EXPECT_EQ(a.worked, b.worked) << where;
  EXPECT_EQ(a.confirmed, b.confirmed) << where;
  EXPECT_EQ(a.report, b.report) << where;
  EXPECT_EQ(a.show_report, b.show_report) << where;
  EXPECT_EQ(a.enable_save, b.enable_save) << where;
  EXPECT_EQ(a.clipboard, b.clipboard) << where;
  EXPECT_EQ(a.AwardKeyword, b.AwardKeyword) << where;
  EXPECT_EQ(a.TargetKind, b.TargetKind) << where;
}

// Runs both tallies on the case; true when the reference found anything worked.
bool CompareOnCase(Case c, const tally_test::TempFolder& folder, const std::string& where) {
  c.options.database_path = tally_test::WriteDatabase(folder.Name("log.mst"), c.qsos);

  std::vector<std::string> engine_lines = c.lines;
  tally::KorvaxLibrary engine_library;
  tally_test::RecordingCallbacks engine_callbacks;
  engine_callbacks.cancel_at_message = c.cancel_at_message;
  const tally::TallyResult engine = tally::RunTally(engine_lines, engine_library, c.options, engine_callbacks);

  std::vector<std::string> reference_lines = c.lines;
  tally::KorvaxLibrary reference_library;
  tally_test::RecordingCallbacks reference_callbacks;
  reference_callbacks.cancel_at_message = c.cancel_at_message;
  const tally::TallyResult expected =
      reference::RunTally(reference_lines, reference_library, c.options, reference_callbacks);

  ExpectSameResult(engine, expected, where);
  EXPECT_EQ(engine_lines, reference_lines) << where;
  EXPECT_EQ(engine_callbacks.events, reference_callbacks.events) << where;
  return expected.worked > 0;
}

TEST(TallyDifferential, EngineMatchesTheLiteralTally) {
  tally_test::TempFolder folder;
  CaseMaker maker(20210128);
  std::vector<int> worked_by_type(static_cast<size_t>(ListType::kCount));
  constexpr int kCases = 360;
  for (int n = 0; n < kCases; ++n) {
    const auto type = static_cast<ListType>(n % static_cast<int>(ListType::kCount));
    if (CompareOnCase(maker.Make(type), folder, "case " + std::to_string(n))) {
      ++worked_by_type[static_cast<size_t>(type)];
    }
    if (::testing::Test::HasFailure()) break;
  }
  // The generated cases must exercise the tally, not only its ways of finding nothing.
  for (size_t type = 0; type < worked_by_type.size(); ++type) {
    EXPECT_GT(worked_by_type[type], kCases / static_cast<int>(ListType::kCount) / 3) << "list type " << type;
  }
}

// Lists and logs made so that an appended entry changes which lines a later QSO finds:
// a call sign that holds a code, a short worked field followed by more fields, a stray
// lead byte before field 4, trailing empty fields. (A closing bracket that is a lone lead
// byte, which took the comma after field 4, is refused by the bracket rule.)
std::vector<Case> AppendedEntriesMatter() {
  std::vector<Case> cases;
  for (int variant = 0; variant < 16; ++variant) {
    const int target = 1 + variant % 5;  // the line the scenario aims at
    const bool per_city = variant % 2 == 1;
    Case c;
    c.options.AwardName = "A";
    c.options.remarks = tally::RemarksChoice::kRemarks1Only;
    c.lines.push_back("No,Name,Code,Place,Worked");
    std::vector<MstRecord> qsos(3, MstRecord{.call = "JA1X", .date = "21/01/01", .qth = "9999"});
    switch (variant / 4) {
      case 0: {  // a call sign holding the code, then the code with that entry's number
        for (int i = 1; i <= 10; ++i) c.lines.push_back(kStation + "01-00" + std::to_string(i) + ",a,0101,x,,note");
        const std::string code = kStation + "01-00" + std::to_string(target);
        qsos[2].call = "JA" + code;
        qsos[2].remarks1 = code + ",";
        qsos[0].remarks1 = code + "<3>,";
        break;
      }
      case 1:    // a short worked field ",A<3>," followed by more fields
      case 2:    // the same after a stray lead byte, which takes the comma before field 4
      default: {  // trailing empty fields, which the first entry takes away
        const std::string place = variant / 4 == 2 ? "y" + kLead : "x";
        const std::string tail = variant / 4 == 3 ? ",,," : ",,tail";
        for (int i = 1; i <= 62; ++i) {
          const std::string city = std::to_string(1000 + i);
          c.lines.push_back((per_city ? kCity + std::to_string(i) : "ZA-0" + city.substr(1)) + ",a," + city + "," +
                            place + tail);
        }
        qsos[2].call = "A";
        qsos[2].qth = std::to_string(1000 + target);
        qsos[0].qth = "A<3>";
        break;
      }
    }
    c.options.AwardKeyword = c.lines[1].substr(0, 6);
    c.qsos = qsos;
    cases.push_back(c);
  }
  return cases;
}

TEST(TallyDifferential, EntriesThatChangeLaterMatchesAreSeen) {
  tally_test::TempFolder folder;
  int worked = 0;
  const std::vector<Case> cases = AppendedEntriesMatter();
  for (size_t n = 0; n < cases.size(); ++n) {
    if (CompareOnCase(cases[n], folder, "scenario " + std::to_string(n))) ++worked;
  }
  EXPECT_EQ(worked, static_cast<int>(cases.size()));
}

}  // namespace
