// Files that are not sound databases: open or read fails cleanly, and the buffer never
// claims an open database.
#include <gtest/gtest.h>
#include <korvax50.h>

#include <filesystem>
#include <string>

#include "krx_results.h"
#include "mst_format.h"
#include "mst_reader.h"
#include "mst_writer.h"
#include "support/temp_folder.h"
#include "tally/qso_record.h"

namespace {

std::string Header(uint32_t count) {
  std::string header(korvax::kMstHeaderSize, '\0');
  korvax::EncodeMstHeader(count, reinterpret_cast<unsigned char*>(header.data()));
  return header;
}

std::string Records(int count) { return std::string(size_t{korvax::kMstRecordSize} * count, 'R'); }

TEST(CorruptFile, OpenFailsCleanly) {
  std::string bad_magic = Header(1) + Records(1);
  bad_magic[0] = 'X';
  std::string bad_version = Header(1) + Records(1);
  bad_version[8] = 2;
  std::string bad_record_size = Header(1) + Records(1);
  bad_record_size[16] = 1;
  std::string valid = Header(4) + Records(4);
  struct Case {
    const char* name;
    std::string bytes;
    int32_t result;
  } cases[] = {
      {"empty", "", korvax::kKrxNotMst},
      {"garbage", std::string(5000, '\xa5'), korvax::kKrxNotMst},
      {"half a header", Header(0).substr(0, 30), korvax::kKrxNotMst},
      {"bad magic", bad_magic, korvax::kKrxNotMst},
      {"bad version", bad_version, korvax::kKrxBadVersion},
      {"bad record size", bad_record_size, korvax::kKrxBadSize},
      {"more records claimed than present", Header(5) + Records(4), korvax::kKrxBadSize},
      {"truncated in half", valid.substr(0, valid.size() / 2), korvax::kKrxBadSize},
      {"count beyond any file", Header(0xffffffffu) + Records(1), korvax::kKrxBadSize},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    std::string path = folder.WriteBytes("bad.mst", c.bytes);
    QsoRecord record;
    EXPECT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), c.result) << c.name;
    EXPECT_FALSE(record.IsOpen()) << c.name;
    EXPECT_NE(KRX_read(record.data(), 1, 3), 0) << c.name;
    KorvaxClose(record.data(), 1);
  }
}

TEST(CorruptFile, MissingFilesAndFoldersDoNotOpen) {
  TempFolder folder;
  QsoRecord record;
  EXPECT_EQ(KorvaxOpen(0, record.data(), folder.Name("").c_str(), 1), korvax::kKrxCannotOpen);
  EXPECT_EQ(KorvaxOpen(0, record.data(), folder.Name("none.mst").c_str(), 1),
            korvax::kKrxCannotOpen);
  EXPECT_EQ(KorvaxOpen(0, record.data(), "", 1), korvax::kKrxCannotOpen);
  EXPECT_EQ(KorvaxOpen(0, record.data(), nullptr, 1), korvax::kKrxBadArgument);
  EXPECT_EQ(KorvaxOpen(0, nullptr, folder.Name("none.mst").c_str(), 1), korvax::kKrxBadArgument);
  EXPECT_FALSE(record.IsOpen());
}

TEST(CorruptFile, BytesAfterTheLastRecordAreIgnored) {
  // An append in progress leaves part of a record behind the counted ones.
  TempFolder folder;
  std::string path = folder.WriteBytes("grown.mst", Header(2) + Records(2) + "partial");
  QsoRecord record;
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  EXPECT_EQ(record.Number(qso_field::kNewest), 2);
  EXPECT_EQ(KRX_read(record.data(), 2, 3), 0);
  EXPECT_NE(KRX_read(record.data(), 3, 3), 0);
  KorvaxClose(record.data(), 1);
}

TEST(CorruptFile, RecordsWithoutNulsStayInsideTheirFields) {
  // 'R' everywhere: no text is terminated in the file.
  TempFolder folder;
  std::string path = folder.WriteBytes("unterminated.mst", Header(1) + Records(1));
  QsoRecord record;
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  ASSERT_EQ(KRX_read(record.data(), 1, 3), 0);
  EXPECT_EQ(record.Text(qso_field::kCall), std::string(20, 'R'));
  EXPECT_EQ(record.Text(qso_field::kDate), std::string(8, 'R'));
  EXPECT_EQ(record.Text(qso_field::kRemarks1), std::string(83, 'R'));
  EXPECT_EQ(record.Text(qso_field::kRemarks2), std::string(83, 'R'));
  KorvaxClose(record.data(), 1);
}

TEST(CorruptFile, AFileCutShortAfterOpeningFailsTheRead) {
  TempFolder folder;
  std::string path = folder.WriteBytes("shrinking.mst", Header(100) + Records(100));
  QsoRecord record;
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  std::filesystem::resize_file(path, korvax::kMstHeaderSize + 10 * korvax::kMstRecordSize);
  EXPECT_NE(KRX_read(record.data(), 100, 3), 0);
  EXPECT_EQ(KRX_read(record.data(), 5, 3), 0);
  KorvaxClose(record.data(), 1);
}

TEST(CorruptFile, AFailedWriteLeavesTheOldDatabaseInPlace) {
  TempFolder folder;
  std::string path = folder.Name("log.mst");
  {
    korvax::MstWriter writer(path);
    writer.Append({.call = "JA1ZZA"});
    ASSERT_TRUE(writer.Finish());
  }
  {
    korvax::MstWriter abandoned(path);
    abandoned.Append({.call = "JA9ZZZ"});
  }
  QsoRecord record;
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  ASSERT_EQ(KRX_read(record.data(), 1, 3), 0);
  EXPECT_EQ(record.Text(qso_field::kCall), "JA1ZZA");
  KorvaxClose(record.data(), 1);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

// A file of the most records a header may claim (sparse: a few bytes on disk). Reading
// the last records again and again stays inside 32-bit record numbers.
#ifndef _WIN32
TEST(CorruptFile, TheLastOfTheMostRecordsReadWithoutOverflow) {
  TempFolder folder;
  const std::string path = folder.WriteBytes("huge.mst", Header(korvax::kMstMaxRecords));
  std::filesystem::resize_file(
      path, uint64_t{korvax::kMstHeaderSize} + uint64_t{korvax::kMstMaxRecords} * korvax::kMstRecordSize);
  korvax::MstReader reader;
  ASSERT_EQ(reader.Open(path), korvax::MstOpenResult::kOk);
  const unsigned char* record = nullptr;
  const int32_t last = INT32_MAX;
  for (int32_t number : {last - 1, last, last, last - 1, last, 1}) {
    EXPECT_TRUE(reader.Read(number, &record)) << number;
  }
}
#endif

TEST(CorruptFile, TheWriterKeepsAFileOfItsTemporaryNameAndAReadOnlyTarget) {
  TempFolder folder;
  const std::string path = folder.Name("log.mst");
  const std::string bystander = folder.WriteBytes("log.mst.tmp", "not ours");
  {
    korvax::MstWriter writer(path);
    writer.Append({.call = "JA1ZZA"});
    ASSERT_TRUE(writer.Finish());
  }
  EXPECT_EQ(GetBytes(bystander), "not ours");
  EXPECT_EQ(folder.Entries().size(), 2u);

  const std::string before = GetBytes(path);
  MakeReadOnly(path);
  korvax::MstWriter writer(path);
  EXPECT_TRUE(writer.read_only());
  EXPECT_FALSE(writer.ok());
  writer.Append({.call = "JA9ZZZ"});
  EXPECT_FALSE(writer.Finish());
  EXPECT_EQ(GetBytes(path), before);
  EXPECT_EQ(folder.Entries().size(), 2u);
}

}  // namespace
