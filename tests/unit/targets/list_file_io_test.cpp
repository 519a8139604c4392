#include "targets/list_file_io.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/file_error.h"
#include "support/temp_folder.h"
#include "targets/target_list.h"

namespace {

using Lines = std::vector<std::string>;
using targets::ReadListFile;
using targets::WriteListFile;

const std::string kListName = "\x93\xb9\x82\xcc\x89\x77.scsv";  // 道の駅.scsv

std::string Fixture(const std::string& name) {
  return std::string(SORVANO_FIXTURES) + "/targets/" + name;
}

TEST(ListFile, WritesEveryLineWithCrLfAndReadsItBack) {
  TempFolder folder;
  const std::string name = folder.Name(kListName);
  std::string binary;
  for (int byte = 1; byte < 256; ++byte) {
    if (byte != '\r' && byte != '\n') binary += static_cast<char>(byte);
  }
  const Lines lines = {
      "No,\x96\xbc\x91\x4f",  // No,名前
      "",
      binary,
      std::string(1 << 20, 'x') + "\x95\x5c",  // a 1 MB line ending in 表
      "1,a,b,c\x81",                           // a lead byte at the very end
  };

  WriteListFile(name, lines);

  EXPECT_EQ(GetBytes(folder.path() / std::filesystem::path(u8"道の駅.scsv")),
            lines[0] + "\r\n\r\n" + binary + "\r\n" + lines[3] + "\r\n" + lines[4] + "\r\n");
  EXPECT_EQ(ReadListFile(name), lines);
  EXPECT_EQ(folder.Entries().size(), 1u);
}

TEST(ListFile, LineEndsAndTheFinalBreakDoNotChangeTheList) {
  const Lines fixture = ReadListFile(Fixture("mixed_line_ends.scsv"));
  ASSERT_EQ(fixture.size(), 14u);

  // The fixture mixes CR LF, lone CR and lone LF and has no break after its last line.
  TempFolder folder;
  WriteListFile(folder.Name("crlf.scsv"), fixture);
  EXPECT_EQ(ReadListFile(folder.Name("crlf.scsv")), fixture);

  Lines prepared = fixture;
  const targets::PreparedList list = targets::PrepareList(prepared);
  EXPECT_FALSE(list.unusable);
  EXPECT_EQ(prepared.size(), 12u);  // the empty line and the one-field record are gone
  EXPECT_EQ(prepared[4], "4,two fields,,");
  EXPECT_EQ(list.WorkedCount, 2);  // "7,g,0107,h,,extra" has an empty worked field
  EXPECT_EQ(list.AwardName, "\x93\xb9\x82\xcc\x89\x77");  // 道の駅
}

TEST(ListFile, AFailedWriteThrowsAndKeepsTheOldFile) {
  TempFolder folder;
  const std::string read_only = folder.Name("read_only.scsv");
  PutBytes(read_only, "old\r\n");
  MakeReadOnly(read_only);
  std::filesystem::create_directory(folder.path() / "in_the_way.scsv");

  const std::string targets[] = {
      read_only,
      folder.Name("in_the_way.scsv"),   // a folder where the file should be
      folder.Name("missing/x.scsv"),    // a folder that does not exist
  };
  for (const std::string& target : targets) {
    try {
      WriteListFile(target, {"new"});
      ADD_FAILURE() << "no error for " << target;
    } catch (const FileError& error) {
      EXPECT_STREQ(error.what(), FileError::CannotCreate(target).what());
    }
  }
  EXPECT_EQ(GetBytes(read_only), "old\r\n");
  Lines entries = folder.Entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (Lines{"in_the_way.scsv", "read_only.scsv"}));
}

TEST(ListFile, AnUnreadableFileThrowsCannotOpen) {
  TempFolder folder;
  const std::string targets[] = {folder.Name(kListName), folder.path().string()};
  for (const std::string& target : targets) {
    try {
      ReadListFile(target);
      ADD_FAILURE() << "no error for " << target;
    } catch (const FileError& error) {
      EXPECT_STREQ(error.what(), FileError::CannotOpen(target).what());
    }
  }
}

}  // namespace
