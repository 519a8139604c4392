#include "targets/recent_list.h"

#include <gtest/gtest.h>

#include <string>

#include "base/platform.h"

namespace {

using targets::RecentFiles;

RecentFiles Update(const std::string& name, const RecentFiles& entries) {
  return targets::UpdatedRecentFiles(name, entries, platform::CompareTextIgnoreCase);
}

RecentFiles Numbered(int count) {
  RecentFiles files;
  for (int n = 0; n < count; ++n) files[static_cast<size_t>(n)] = "C:\\f" + std::to_string(n) + ".scsv";
  return files;
}

TEST(UpdatedRecentFiles, AListedFileMovesToTheFrontAndTheRestMoveUp) {
  const RecentFiles before = Numbered(9);
  const RecentFiles after = Update(before[5], before);
  EXPECT_EQ(after[0], before[5]);
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(after[static_cast<size_t>(n)], before[static_cast<size_t>(n - 1)]);
  for (int n = 6; n < 9; ++n) EXPECT_EQ(after[static_cast<size_t>(n)], before[static_cast<size_t>(n)]);
  EXPECT_EQ(after[9], "");
}

TEST(UpdatedRecentFiles, LetterCaseDuplicatesGoAndTheOldestFallsOff) {
  RecentFiles before = Numbered(20);
  const RecentFiles after = Update("c:\\F3.SCSV", before);
  EXPECT_EQ(after[0], "c:\\F3.SCSV");
  EXPECT_EQ(after[4], before[4]);
  EXPECT_EQ(after[19], before[19]);

  const RecentFiles full = Update("C:\\new.scsv", before);
  EXPECT_EQ(full[1], before[0]);
  EXPECT_EQ(full[19], before[18]);  // before[19] dropped
}

TEST(UpdatedRecentFiles, AnEmptyNameClosesTheGaps) {
  RecentFiles before = Numbered(6);
  before[3].clear();
  const RecentFiles after = Update("", before);
  EXPECT_EQ(after[2], before[2]);
  EXPECT_EQ(after[3], before[4]);
  EXPECT_EQ(after[4], before[5]);
  EXPECT_EQ(after[5], "");
}

TEST(ShortFileName, FourBytesNeverHalfACharacter) {
  struct Case {
    std::string path, short_name;
  };
  const Case cases[] = {
      {"C:\\x\\\x93\xb9\x82\xcc\x89w\x88\xea\x97\x97.scsv", "\x93\xb9\x82\xcc"},  // 道の駅一覧 -> 道の
      {"C:\\x\\AB\x93\xb9\x82\xcc\x89w.scsv", "AB\x93\xb9"},                       // AB道の駅 -> AB道
      {"C:\\x\\ABC\x93\xb9\x82\xcc\x89w.scsv", "ABC\x93\xb9"},                     // ABC道の駅 -> ABC道
      {"C:\\x\\x.scsv", "x"},
      {"C:\\x\\abcdefgh.scsv", "abcd"},
      {"C:\\x\\ab.c.d.scsv", "ab.c"},
      // ソ ends in a backslash byte: it is part of the file name, not a separator.
      {"C:\\\x83\x5c\x83\x5c\\\x83\x5c\x83\x5c.scsv", "\x83\x5c\x83\x5c"},
  };
  for (const Case& c : cases) EXPECT_EQ(targets::ShortFileName(c.path), c.short_name) << c.path;
}

TEST(ShortFileCaption, AcceleratorDigitZeroFromTen) {
  EXPECT_EQ(targets::ShortFileCaption("C:\\abcdef.scsv", 1), "abcd(&1)");
  EXPECT_EQ(targets::ShortFileCaption("C:\\abcdef.scsv", 9), "abcd(&9)");
  for (int n : {10, 12, 19}) EXPECT_EQ(targets::ShortFileCaption("C:\\abcdef.scsv", n), "abcd(&0)");
}

}  // namespace
