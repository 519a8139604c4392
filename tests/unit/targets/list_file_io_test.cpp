#include "targets/list_file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#ifndef _WIN32
#include <sys/stat.h>
#endif

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
      // The message names the file, and the reason follows.
      EXPECT_TRUE(std::string(error.what()).starts_with(FileError::CannotCreate(target).what()));
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
      EXPECT_TRUE(std::string(error.what()).starts_with(FileError::CannotOpen(target).what()));
    }
  }
}

TEST(ListFile, ANulByteEndsTheTextAndTheLoadSaysAtWhichLine) {
  TempFolder folder;
  std::string text = "No,a,b,c,d,Award\r\n";
  for (int n = 1; n <= 12; ++n) text += std::to_string(n) + ",t,c,q\r\n";
  const std::string cut = text + "13,t" + std::string(1, '\0') + "c,q\r\n14,t,c,q\r\n";
  const std::string name = folder.WriteBytes("cut.scsv", cut);
  std::optional<targets::LoadedList> list = targets::LoadUsableList(name);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->nul_line, 14u);
  EXPECT_TRUE(list->Partial());
  EXPECT_EQ(list->lines.size(), 14u);  // the header, 12 targets and "13,t" padded
  EXPECT_EQ(list->lines.back(), "13,t,,");

  const std::string whole = folder.WriteBytes("whole.scsv", text);
  list = targets::LoadUsableList(whole);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->nul_line, 0u);
  EXPECT_FALSE(list->Partial());
}

TEST(ListFile, OnlyRegularFilesOfAtMost16MiBAreRead) {
  TempFolder folder;
  const std::string big = folder.Name("big.scsv");
  PutBytes(big, "");
  std::filesystem::resize_file(big, (16u << 20) + 1);
  std::vector<std::string> refused = {big};
#ifndef _WIN32
  refused.push_back("/dev/zero");
  const std::string fifo = folder.Name("fifo.scsv");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  refused.push_back(fifo);  // would block for ever without a writer
#else
  refused.push_back("NUL");
#endif
  for (const std::string& name : refused) {
    try {
      ReadListFile(name);
      ADD_FAILURE() << "read " << name;
    } catch (const FileError& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with(FileError::CannotOpen(name).what()));
      EXPECT_GT(std::string(error.what()).size(), std::string(FileError::CannotOpen(name).what()).size());
    }
  }
}

#ifndef _WIN32
TEST(ListFile, ASaveThroughASymbolicLinkReplacesTheFileItNames) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "real");
  const std::string real = folder.Name("real/list.scsv");
  PutBytes(real, "old\r\n");
  std::filesystem::create_symlink("real/list.scsv", folder.path() / "link.scsv");
  WriteListFile(folder.Name("link.scsv"), {"new"});
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.scsv"));
  EXPECT_EQ(GetBytes(real), "new\r\n");
  EXPECT_EQ(std::filesystem::directory_iterator(folder.path() / "real")->path().filename(), "list.scsv");
}
#endif

}  // namespace
