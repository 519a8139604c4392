// Opening, reading and closing a database through the library's functions, read back
// through the program's QsoRecord.
#include <gtest/gtest.h>
#include <korvax50.h>

#include <cstring>
#include <string>
#include <vector>

#include "krx_results.h"
#include "mst_writer.h"
#include "support/temp_folder.h"
#include "tally/qso_record.h"

namespace {

using korvax::MstRecord;

// 道の駅 □10-001,ほげ
const std::string kStationRemark = "\x93\xb9\x82\xcc\x89\x77 \x81\xa0\x31\x30-001,\x82\xd9\x82\xb0";

std::vector<MstRecord> SampleQsos() {
  return {
      {"JA1ZZA", "21/01/02", "12:34", "100105", 'J', true, "7.025", "CW", kStationRemark, ""},
      {"JH2ZZB/2", "21/01/03", "08:00", "1801", ' ', false, "430.12", "FM", "", "QSL via bureau"},
      {"7K3ZZC", "00/00/00", "", "", '*', false, "", "", "", ""},
  };
}

std::string WriteDatabase(const TempFolder& folder, const std::string& name,
                          const std::vector<MstRecord>& qsos) {
  std::string path = folder.Name(name);
  korvax::MstWriter writer(path);
  for (const MstRecord& qso : qsos) writer.Append(qso);
  EXPECT_TRUE(writer.Finish());
  return path;
}

void ExpectRecord(const QsoRecord& record, const MstRecord& qso, int32_t number) {
  EXPECT_EQ(record.Text(qso_field::kCall), qso.call);
  EXPECT_EQ(record.Text(qso_field::kDate), qso.date);
  EXPECT_EQ(record.Text(qso_field::kTime), qso.time);
  EXPECT_EQ(record.Text(qso_field::kQthCode), qso.qth);
  EXPECT_EQ(record.Text(qso_field::kQslMark), std::string(1, qso.qsl_mark));
  EXPECT_EQ(record.Text(qso_field::kFrequency), qso.frequency);
  EXPECT_EQ(record.Text(qso_field::kMode), qso.mode);
  EXPECT_EQ(record.Text(qso_field::kRemarks1), qso.remarks1);
  EXPECT_EQ(record.Text(qso_field::kRemarks2), qso.remarks2);
  EXPECT_EQ(isPortable(record.data()) >= 0, qso.portable);
  EXPECT_EQ(record.Number(qso_field::kLastRead), number);
}

TEST(Database, ReadsEveryFieldInAnyOrderAndClosesTwiceHarmlessly) {
  TempFolder folder;
  std::vector<MstRecord> qsos = SampleQsos();
  std::string path = WriteDatabase(folder, "log.mst", qsos);

  QsoRecord record;
  SetDbsShare(1);
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  EXPECT_TRUE(record.IsOpen());
  EXPECT_EQ(record.Number(qso_field::kNewest), 3);
  for (int32_t number : {3, 1, 2, 1}) {
    ASSERT_EQ(KRX_read(record.data(), number, 3), 0) << number;
    ExpectRecord(record, qsos[number - 1], number);
  }
  for (int32_t number : {0, -1, 4, INT32_MIN, INT32_MAX}) {
    EXPECT_NE(KRX_read(record.data(), number, 3), 0) << number;
  }
  EXPECT_EQ(record.Number(qso_field::kLastRead), 1) << "a failed read changes nothing";

  KorvaxClose(record.data(), 1);
  EXPECT_FALSE(record.IsOpen());
  EXPECT_LE(record.Number(qso_field::kOpen), 0);
  KorvaxClose(record.data(), 1);
  EXPECT_NE(KRX_read(record.data(), 1, 3), 0);
}

TEST(Database, ScansBothWaysAndJumpsAcrossReadBlocks) {
  // Scans read ahead in blocks of 1024 records; 2100 records span three of them.
  constexpr int32_t kCount = 2100;
  TempFolder folder;
  std::vector<MstRecord> qsos;
  for (int32_t i = 1; i <= kCount; ++i) {
    qsos.push_back({.call = "JA" + std::to_string(i), .remarks1 = std::string(i % 80, 'x')});
  }
  std::string path = WriteDatabase(folder, "scan.mst", qsos);
  QsoRecord record;
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  std::vector<int32_t> order;
  for (int32_t n = kCount; n >= 1; --n) order.push_back(n);
  for (int32_t n = 1; n <= kCount; ++n) order.push_back(n);
  for (int32_t n : {1024, 1025, 1, 2100, 1077, 1076, 1075, 5, 6, 7}) order.push_back(n);
  for (int32_t n : order) {
    ASSERT_EQ(KRX_read(record.data(), n, 3), 0) << n;
    ASSERT_EQ(record.Text(qso_field::kCall), "JA" + std::to_string(n));
    ASSERT_EQ(record.Text(qso_field::kRemarks1).size(), static_cast<size_t>(n % 80));
  }
  KorvaxClose(record.data(), 1);
}

TEST(Database, SeveralDatabasesOpenAtOnceStayApart) {
  TempFolder folder;
  std::string first = WriteDatabase(folder, "a.mst", {{.call = "JA1ZZA"}});
  std::string second = WriteDatabase(folder, "b.mst", {{.call = "JA2ZZB"}, {.call = "JA2ZZC"}});
  QsoRecord a;
  QsoRecord b;
  ASSERT_EQ(KorvaxOpen(0, a.data(), first.c_str(), 1), 0);
  ASSERT_EQ(KorvaxOpen(0, b.data(), second.c_str(), 1), 0);
  ASSERT_EQ(KRX_read(b.data(), 2, 3), 0);
  ASSERT_EQ(KRX_read(a.data(), 1, 3), 0);
  EXPECT_EQ(a.Text(qso_field::kCall), "JA1ZZA");
  EXPECT_EQ(b.Text(qso_field::kCall), "JA2ZZC");
  EXPECT_NE(KRX_read(a.data(), 2, 3), 0) << "a has one record only";

  // A copy of a's buffer taken while open is stale once a is closed, even after its
  // slot is reused for another database.
  QsoRecord stale = a;
  KorvaxClose(a.data(), 1);
  QsoRecord c;
  ASSERT_EQ(KorvaxOpen(0, c.data(), second.c_str(), 1), 0);
  EXPECT_NE(KRX_read(stale.data(), 1, 3), 0);
  KorvaxClose(stale.data(), 1);
  EXPECT_EQ(KRX_read(c.data(), 1, 3), 0) << "closing the stale copy left c open";
  KorvaxClose(c.data(), 1);
  KorvaxClose(b.data(), 1);
}

TEST(Database, RefusesBuffersThatNameNoOpenDatabase) {
  TempFolder folder;
  std::string path = WriteDatabase(folder, "log.mst", SampleQsos());
  QsoRecord record;
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  QsoRecord forged = record;
  // The library keeps its slot index at 1761 and the generation at 1765.
  for (int32_t slot : {-1, 16, 999, INT32_MIN}) {
    std::memcpy(forged.data() + 1761, &slot, sizeof slot);
    EXPECT_NE(KRX_read(forged.data(), 1, 3), 0) << slot;
  }
  QsoRecord zeroed;
  EXPECT_NE(KRX_read(zeroed.data(), 1, 3), 0);
  EXPECT_NE(KRX_read(nullptr, 1, 3), 0);
  EXPECT_NE(KorvaxClose(nullptr, 1), 0);
  EXPECT_LT(isPortable(nullptr), 0);
  EXPECT_EQ(KRX_read(record.data(), 1, 3), 0);
  KorvaxClose(record.data(), 1);
}

TEST(Database, OpenTableHasRoomForSixteenAndFreesSlotsOnClose) {
  TempFolder folder;
  std::string path = WriteDatabase(folder, "log.mst", SampleQsos());
  std::vector<QsoRecord> records(korvax::kKrxMaxOpen + 1);
  for (int i = 0; i < korvax::kKrxMaxOpen; ++i) {
    ASSERT_EQ(KorvaxOpen(0, records[i].data(), path.c_str(), 1), 0) << i;
  }
  EXPECT_EQ(KorvaxOpen(0, records.back().data(), path.c_str(), 1), korvax::kKrxTooManyOpen);
  EXPECT_FALSE(records.back().IsOpen());
  KorvaxClose(records[3].data(), 1);
  EXPECT_EQ(KorvaxOpen(0, records.back().data(), path.c_str(), 1), 0);
  for (QsoRecord& record : records) KorvaxClose(record.data(), 1);
}

TEST(Database, ReopeningABufferReleasesItsPreviousDatabase) {
  TempFolder folder;
  std::string path = WriteDatabase(folder, "log.mst", SampleQsos());
  QsoRecord record;
  for (int i = 0; i < korvax::kKrxMaxOpen * 2; ++i) {
    ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0) << i;
  }
  KorvaxClose(record.data(), 1);
}

TEST(Database, OpensAShiftJisPath) {
  TempFolder folder;
  // 道の駅.mst
  std::string path = WriteDatabase(folder, "\x93\xb9\x82\xcc\x89\x77.mst", SampleQsos());
  QsoRecord record;
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  EXPECT_EQ(record.Number(qso_field::kNewest), 3);
  KorvaxClose(record.data(), 1);
}

TEST(Database, LongTextsAreCutOnACharacterBoundary) {
  // Remarks hold 83 bytes: 41 double-byte characters fit, the 42nd would be split.
  std::string kanji_run;
  for (int i = 0; i < 50; ++i) kanji_run += "\x93\xb9";  // 道
  MstRecord qso{.call = "JA1ZZA", .remarks1 = "x" + kanji_run, .remarks2 = kanji_run};
  TempFolder folder;
  std::string path = folder.Name("cut.mst");
  korvax::MstWriter writer(path);
  EXPECT_FALSE(writer.Append(qso)) << "the writer reports the cut";
  ASSERT_TRUE(writer.Finish());
  QsoRecord record;
  ASSERT_EQ(KorvaxOpen(0, record.data(), path.c_str(), 1), 0);
  ASSERT_EQ(KRX_read(record.data(), 1, 3), 0);
  EXPECT_EQ(record.Text(qso_field::kRemarks1), "x" + kanji_run.substr(0, 82));
  EXPECT_EQ(record.Text(qso_field::kRemarks2), kanji_run.substr(0, 82));
  KorvaxClose(record.data(), 1);
}

TEST(QsoText, ReferencesOutsideTheBufferReadAsEmpty) {
  QsoRecord record;
  std::memcpy(record.data() + 1800, "7.025", 6);
#if KRX_TEXT_FIELDS_HOLD_ADDRESSES
  auto at = [&](int offset) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(record.data()) + offset);
  };
#else
  auto at = [](int offset) { return static_cast<uint32_t>(offset); };
#endif
  auto point = [&](uint32_t reference) {
    std::memcpy(record.data() + qso_field::kFrequency, &reference, sizeof reference);
    return record.Text(qso_field::kFrequency);
  };
  EXPECT_EQ(point(at(1800)), "7.025");
  EXPECT_EQ(point(at(-1)), "");
  EXPECT_EQ(point(at(kQsoRecordSize)), "");
  EXPECT_EQ(point(0xffffffffu), "");
  // A text without a NUL stops at the buffer's end.
  std::memset(record.data() + kQsoRecordSize - 4, 'A', 4);
  EXPECT_EQ(point(at(kQsoRecordSize - 4)), "AAAA");
  // An inline field without a NUL stops at its width.
  std::memset(record.data(), 'B', 30);
  EXPECT_EQ(record.Text(qso_field::kCall), std::string(21, 'B'));
  EXPECT_EQ(record.Text(123), "") << "not a text field";
}

}  // namespace
