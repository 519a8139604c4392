#include "base/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, FollowsTheLineRules) {
  struct Case {
    std::string text;
    Lines expected;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},  // LF CR is two line ends
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {std::string("a\0b\r\nc", 6), {"a"}},
      {std::string("\0abc", 4), {}},
      {std::string("a\r\n\0", 4), {"a"}},
      {"\x95\x5c\r\nx", {"\x95\x5c", "x"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.expected) << c.text;
}

TEST(JoinLinesCrLf, EndsEveryLine) {
  EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLinesCrLf({}), "");
}

TEST(TextFile, WritesReadsAndReplacesWholeFiles) {
  TempFolder folder;
  const std::string name = folder.Name("list.scsv");
  const std::string bytes("a\r\n\0b", 5);
  EXPECT_FALSE(FileExists(name));

  ASSERT_TRUE(WriteFileAtomic(name, "old").ok());
  ASSERT_TRUE(WriteFileAtomic(name, bytes).ok());

  EXPECT_TRUE(FileExists(name));
  std::string read;
  ASSERT_TRUE(ReadWholeFile(name, read).ok());
  EXPECT_EQ(read, bytes);
  EXPECT_EQ(folder.Entries(), Lines{"list.scsv"});
}

TEST(TextFile, NamesAreShiftJis) {
  TempFolder folder;
  const std::string name = folder.Name("\x93\xb9\x82\xcc\x89\x77.scsv");  // 道の駅.scsv

  ASSERT_TRUE(WriteFileAtomic(name, "x").ok());

  EXPECT_TRUE(std::filesystem::exists(folder.path() / std::filesystem::path(u8"道の駅.scsv")));
  std::string read;
  ASSERT_TRUE(ReadWholeFile(name, read).ok());
  EXPECT_EQ(read, "x");
}

TEST(TextFile, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
  TempFolder folder;
  const std::string read_only = folder.Name("read_only.ini");
  PutBytes(read_only, "old");
  MakeReadOnly(read_only);
  std::filesystem::create_directory(folder.path() / "sub");

  const std::string targets[] = {
      read_only,
      folder.Name("missing/new.ini"),  // folder does not exist
      folder.Name("sub"),              // a folder, not a file
      "",
  };
  for (const std::string& target : targets) {
    const Status status = WriteFileAtomic(target, "new");
    EXPECT_FALSE(status.ok()) << target;
    EXPECT_FALSE(status.message().empty()) << target;
  }
  EXPECT_EQ(GetBytes(read_only), "old");
  Lines entries = folder.Entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (Lines{"read_only.ini", "sub"}));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "sub"));
}

TEST(TextFile, ReadingAMissingFileOrAFolderFails) {
  TempFolder folder;
  std::string bytes = "unchanged";
  EXPECT_FALSE(ReadWholeFile(folder.Name("missing.ini"), bytes).ok());
  EXPECT_FALSE(ReadWholeFile(folder.path().string(), bytes).ok());
  EXPECT_FALSE(FileExists(folder.path().string()));
  EXPECT_EQ(bytes, "unchanged");
}

}  // namespace
