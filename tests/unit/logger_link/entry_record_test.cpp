#include "logger_link/entry_record.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace logger_link {
namespace {

// `lines` joined by `line_break`, line 8 the code and lines 13 and 14 the remarks.
std::string Entry(const std::string& code, const std::string& remarks1, const std::string& remarks2,
                  const std::string& line_break = "\r\n") {
  std::string text;
  for (int line = 0; line < 15; ++line) {
    if (line == 8) text += code;
    if (line == 13) text += remarks1;
    if (line == 14) text += remarks2;
    text += line_break;
  }
  return text;
}

// The bytes in a heap block of exactly their size, with no terminator after them, so
// that a read past the end is caught by the address sanitizer.
EntryRecord ParseExact(const std::string& bytes) {
  auto block = std::make_unique<char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), block.get());
  return ParseEntryRecord(block.get(), bytes.size());
}

struct ParseCase {
  const char* name;
  std::string bytes;
  std::string code;
  std::string remarks1;
  std::string remarks2;
};

class EntryRecordTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(EntryRecordTest, ReadsOnlyTheThreeLinesWithinTheBlock) {
  const EntryRecord entry = ParseExact(GetParam().bytes);
  EXPECT_EQ(entry.code, GetParam().code);
  EXPECT_EQ(entry.remarks1, GetParam().remarks1);
  EXPECT_EQ(entry.remarks2, GetParam().remarks2);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, EntryRecordTest,
    ::testing::Values(
        ParseCase{"CrLf", Entry("AB-12", "r1", "r2"), "AB-12", "r1", "r2"},
        ParseCase{"CrOnly", Entry("AB-12", "r1", "r2", "\r"), "AB-12", "r1", "r2"},
        ParseCase{"LfOnly", Entry("AB-12", "r1", "r2", "\n"), "AB-12", "r1", "r2"},
        ParseCase{"LfCrIsTwoBreaks", std::string(8, '\n') + "\n\rAB", "", "", ""},
        ParseCase{"NoTerminatorAfterTheLastLine", std::string(14, '\n') + "last", "", "", "last"},
        ParseCase{"FewerLines", std::string(8, '\n') + "AB", "AB", "", ""},
        ParseCase{"Empty", "", "", "", ""},
        ParseCase{"NulBytesAreData", std::string(8, '\n') + std::string("A\0B", 3), std::string("A\0B", 3), "", ""},
        ParseCase{"BinaryBytes", std::string(8, '\n') + std::string("\xff\x00\x81\x7f", 4), std::string("\xff\x00\x81\x7f", 4), "", ""},
        ParseCase{"LeadByteAtTheVeryEnd", std::string(14, '\n') + "\x82", "", "", "\x82"},
        ParseCase{"LineOf100000Bytes", std::string(8, '\n') + std::string(100000, 'A') + "\n", std::string(100000, 'A'),
                  "", ""},
        ParseCase{"TenThousandLines", Entry("C", "1", "2") + std::string(10000, '\n'), "C", "1", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryRecordNullTest, NullDataWithASizeReadsNothing) {
  const EntryRecord entry = ParseEntryRecord(nullptr, 1000);
  EXPECT_TRUE(entry.code.empty());
  EXPECT_TRUE(entry.remarks2.empty());
}

TEST(EntryRecordNullTest, TenMegabytesAreSkippedAfterLine14) {
  const std::string bytes = Entry("AB-1", "", "") + std::string(10 * 1024 * 1024, 'x');
  const EntryRecord entry = ParseExact(bytes);
  EXPECT_EQ(entry.code, "AB-1");
}

}  // namespace
}  // namespace logger_link
