#include "logger_link/send_record.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "logger_link/link_protocol.h"

namespace logger_link {
namespace {

// A send record with the given lines filled, the rest empty.
std::string Record(const std::string& code, const std::string& qth, const std::string& remarks1,
                   const std::string& remarks2) {
  std::vector<std::string> lines(kRecordLines);
  lines[kCodeLine] = code;
  lines[kQthLine] = qth;
  lines[kRemarks1Line] = remarks1;
  lines[kRemarks2Line] = remarks2;
  std::string record;
  for (const std::string& line : lines) record += line + "\r\n";
  return record;
}

struct RecordCase {
  const char* name;
  std::string edit2;
  SendOptions options;
  std::optional<std::string> record;
};

class SendRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(SendRecordTest, BuildsTheFifteenLines) {
  EXPECT_EQ(BuildSendRecord(GetParam().edit2, GetParam().options), GetParam().record);
}

const SendOptions kToRemarks2{true, false, Placement::kRight, false};
const SendOptions kToRemarks1{true, true, Placement::kRight, false};
const SendOptions kRemarksOnly{false, false, Placement::kRight, false};

INSTANTIATE_TEST_SUITE_P(
    Cases, SendRecordTest,
    ::testing::Values(
        RecordCase{"CodeQthRemarks2", "12,Name,AB-123,Town", kToRemarks2, Record("AB-123", "Town", "", "12,Name")},
        RecordCase{"Remarks1", "12,Name,AB-123,Town", kToRemarks1, Record("AB-123", "Town", "12,Name", "")},
        RecordCase{"WithoutCodeAndQth", "12,Name,AB-123,Town", kRemarksOnly, Record("", "", "", "12,Name")},
        RecordCase{"OneCharacterCodeSendsNoQth", "12,Name,A,Town", kToRemarks2, Record("A", "", "", "12,Name")},
        RecordCase{"NoQthField", "12,Name,AB-1", kToRemarks2, Record("AB-1", "", "", "12,Name")},
        RecordCase{"NothingAfterTheSecondComma", "12,Name,", kToRemarks2, Record("", "", "", "12,Name")},
        RecordCase{"QuotedCodeKeepsItsComma", "12,Name,\"A,B\",Town", kToRemarks2, Record("A,B", "Town", "", "12,Name")},
        RecordCase{"ShiftJisKept", "1,\x93\xb9\x82\xcc\x89w,\x82\x60-1,\x93\x8c\x8b\x9e", kToRemarks2,
                   Record("\x82\x60-1", "\x93\x8c\x8b\x9e", "", "1,\x93\xb9\x82\xcc\x89w")},
        RecordCase{"OneComma", "12,Name", kToRemarks2, std::nullopt},
        RecordCase{"Empty", "", kToRemarks2, std::nullopt},
        // Only the first 256 bytes count: the QTH is cut there.
        RecordCase{"LongText", "1,N,AB," + std::string(300, 'x'), kToRemarks2,
                   Record("AB", std::string(256 - 7, 'x'), "", "1,N")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SendRequestCodeTest, PlacementAndDatabaseBits) {
  struct Case {
    Placement placement;
    bool mst;
    std::uint32_t code;
  };
  for (const Case& c : {Case{Placement::kOverwrite, false, 0x0042000Fu}, Case{Placement::kRight, false, 0x0042002Fu},
                        Case{Placement::kLeft, false, 0x0042004Fu}, Case{Placement::kLeft, true, 0x00C2004Fu},
                        Case{Placement::kOverwrite, true, 0x00C2000Fu}}) {
    SendOptions options;
    options.placement = c.placement;
    options.use_korvax_mst = c.mst;
    EXPECT_EQ(SendRequestCode(options), c.code) << static_cast<int>(c.placement) << " " << c.mst;
  }
}

TEST(QsoNumberTextTest, TheNumberBetweenTheBrackets) {
  struct Case {
    const char* combo;
    std::optional<std::string> number;
  };
  for (const Case& c : {Case{"JA1ABC<12>", "12"}, Case{"JA1ABC(345)", "345"}, Case{"JA1ABC/1<7)", "7"},
                        Case{"x", std::nullopt}, Case{"JA1ABC<0>", std::nullopt}, Case{"JA1ABC<ab>", std::nullopt},
                        Case{"JA1ABC<12", std::nullopt}, Case{"", std::nullopt}}) {
    EXPECT_EQ(QsoNumberText(c.combo, "<>", "()"), c.number) << c.combo;
  }
  // Other bracket pairs, and only the first 60 bytes are looked at.
  EXPECT_EQ(QsoNumberText("JA1ABC[9]", "[]", "{}"), "9");
  EXPECT_EQ(QsoNumberText(std::string(58, 'A') + "<12>", "<>", "()"), std::nullopt);
}

}  // namespace
}  // namespace logger_link
