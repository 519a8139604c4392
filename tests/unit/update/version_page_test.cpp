#include "update/version_page.h"

#include <gtest/gtest.h>

#include <string>

#include "update/update_texts.h"

namespace update {
namespace {

// `filler` bytes of ASCII before `tail`.
std::string Page(std::size_t filler, const std::string& tail) { return std::string(filler, 'x') + tail; }

constexpr char kWideOpen[] = "\x81i";  // （

TEST(NormalizeLineBreaksTest, EveryBreakBecomesCrLf) {
  EXPECT_EQ(NormalizeLineBreaks("a\rb\nc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\n\r\ne");
}

TEST(FindBuildStartTest, Cases) {
  struct Case {
    std::string page;
    std::optional<std::size_t> start;
  };
  const Case cases[] = {
      // A full-width marker at byte 100 (from 1): the date starts past its parenthesis.
      {Page(99, std::string(kWideOpen) + "2021/02/15"), 101},
      // At byte 99 it is too early, and a later one does not count.
      {Page(98, std::string(kWideOpen) + "2021/02/15" + kWideOpen + "2021/03/01"), std::nullopt},
      // An early full-width marker gives way to a late "(20".
      {Page(10, std::string(kWideOpen) + "2020/01/01") + Page(100, "(2021/02/15)"), 123},
      {Page(99, "(2021/02/15)"), 100},
      // Shorter than 100 bytes: never found.
      {"(2021/02/15)", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindBuildStart(c.page), c.start) << c.page.size();
  }
}

TEST(CheckResultTextTest, NewerOnlyWhenThePageSortsAfterTheBuild) {
  const std::string newer = std::string(kTextNewerFound) + "\r\x81@Build\x81" "F2021/02/15 \x82\xf0\x94\xad\x8c\xa9\x81I";
  EXPECT_EQ(CheckResultText("2021/01/28", "2021/02/15"), newer);
  const std::string same = std::string(kTextNoNewer) + "\r\x81@Build\x81" "F2021/01/28 \x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81" "B";
  EXPECT_EQ(CheckResultText("2021/01/28", "2021/01/28"), same);
  EXPECT_EQ(CheckResultText("2021/01/28", "2020/12/31").substr(0, sizeof kTextNoNewer - 1), kTextNoNewer);
}

TEST(FindLinkTargetTest, Cases) {
  struct Case {
    const char* page;
    std::optional<std::string> target;
  };
  const Case cases[] = {
      {R"(<a href="soft/sorva57.exe">get</a>)", "soft/sorva57.exe"},
      {R"(<a href="vep/x.html">x</a> <a href="soft/a.zip">)", "soft/a.zip"},
      {R"(<a href=soft/a.zip>)", std::nullopt},
      {"no link here", std::nullopt},
      // 30 bytes of target close within the 32 that are read; 31 do not.
      {R"("soft/0123456789012345678901234">)", "soft/0123456789012345678901234"},
      {R"("soft/01234567890123456789012345">)", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindLinkTarget(c.page), c.target) << c.page;
  }
}

TEST(DownloadFileNameTest, OnlyPlainNamesInTheChosenFolder) {
  struct Case {
    const char* target;
    std::optional<std::string> name;
  };
  const Case cases[] = {
      {"soft/sorva57.exe", "sorva57.exe"},
      // At most 16 bytes of the name.
      {"soft/sorvano_setup_57b.exe", "sorvano_setup_57"},
      // A double-byte name whose second byte is 0x5C is still one character.
      {"soft/\x83\\.exe", "\x83\\.exe"},
      {"soft/..\\..\\evil.exe", std::nullopt},
      // A lead byte before a byte that cannot follow one hides nothing: the "/" and ":"
      // would still part the name.
      {"soft/a\x81/..", std::nullopt},
      {"soft/\x81:evil.exe", std::nullopt},
      {"soft/\x81\x01.exe", std::nullopt},
      {"soft/a/b.exe", std::nullopt},
      {"soft/C:evil.exe", std::nullopt},
      {"soft/..", std::nullopt},
      {"soft/.", std::nullopt},
      {"soft/", std::nullopt},
      {"soft/CON", std::nullopt},
      {"soft/con.txt", std::nullopt},
      {"soft/NUL", std::nullopt},
      {"soft/COM1.exe", std::nullopt},
      {"soft/lpt9", std::nullopt},
      {"soft/CONSOLE.exe", "CONSOLE.exe"},
      {"soft/a\tb.exe", std::nullopt},
      {"soft/a?.exe", std::nullopt},
      {"soft/setup.", std::nullopt},
      // Cut inside a double-byte character at byte 16.
      {"soft/abcdefghijklmno\x83\x41.exe", std::nullopt},
      {"nofolder", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DownloadFileName(c.target), c.name) << c.target;
  }
}

TEST(DownloadUrlTest, TheInstallerLiesBesideThePage) {
  EXPECT_EQ(DownloadUrl("https://www.example.jp/vep/usdown.html", "soft/a.exe"),
            "https://www.example.jp/vep/soft/a.exe");
  EXPECT_EQ(DownloadUrl("http://127.0.0.1:8000/case/vep/usdown.html", "soft/a.exe"),
            "http://127.0.0.1:8000/case/vep/soft/a.exe");
  EXPECT_EQ(DownloadUrl("http://h/pages/down.html", "soft/a.exe"), "http://h/pages/soft/a.exe");
}

TEST(FolderTextTest, TrailingBackslashes) {
  EXPECT_EQ(WithTrailingBackslash("C:\\dl"), "C:\\dl\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash(""), "");
  EXPECT_EQ(WithTrailingBackslash("C:\\\x83\\"), "C:\\\x83\\\\");  // ソ ends in 0x5C
  EXPECT_EQ(StoredFolder("C:\\dl\\a.exe"), "C:\\dl");
  EXPECT_EQ(StoredFolder("C:\\a.exe"), "C:\\");
  EXPECT_EQ(StoredFolder("C:\\\x83\\\\a.exe"), "C:\\\x83\\");
}

TEST(ProgressPositionTest, NinetyAtTheEndRounded) {
  EXPECT_EQ(ProgressPosition(0, 100), 0);
  EXPECT_EQ(ProgressPosition(1, 200), 0);   // 0.45
  EXPECT_EQ(ProgressPosition(1, 180), 1);   // 0.5 rounds up
  EXPECT_EQ(ProgressPosition(100, 100), 90);
  EXPECT_EQ(ProgressPosition(5, 0), 0);
}

}  // namespace
}  // namespace update
