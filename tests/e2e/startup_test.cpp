// Start-up of the real program under Wine: the main window and the exit code, the
// single-instance lock, the logging library's version check and its absence, and the
// "-Inst" registration in the logging program's settings file.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "driver/app_process.h"
#include "driver/build_paths.h"
#include "driver/program_folder.h"
#include "driver/test_folder.h"
#include "driver/text_codec.h"
#include "program_test.h"

namespace {

using e2e::AppProcess;
using e2e::Library;
using e2e::MessageBoxView;
using e2e::TestFolder;

const std::string kCaptionStart = "Sorvano Ver5.6b\xe3\x80\x80";  // ends in U+3000, UTF-8
const std::string kDemoListName = "道の駅.scsv";
const std::string kAppTitle = "Sorvano";

std::wstring DemoList() { return e2e::SourceFile("demo/" + kDemoListName); }

class StartupTest : public e2e::ProgramTest {
 protected:
  // A fresh folder named after the test (plus `suffix`) holding the program, the chosen
  // library and the demo list under its default name.
  TestFolder& ProgramFolder(const std::wstring& suffix = L"", Library library = Library::kCurrent) {
    e2e::ProgramSetup setup;
    setup.library = library;
    setup.data_files.push_back({DemoList(), e2e::Utf8ToWide(kDemoListName)});
    return Install(setup, suffix);
  }

  static void ExpectBox(const MessageBoxView& box, const std::string& text) {
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(box.Caption(), kAppTitle);
    EXPECT_EQ(box.Buttons(), std::vector<int>{IDOK});
  }
};

TEST_F(StartupTest, ShowsTheMainWindowOnItsListAndEndsWithCodeZeroWhenClosed) {
  struct CloseCase {
    const wchar_t* name;
    std::function<void(AppProcess&)> close;
  };
  const CloseCase cases[] = {
      {L"CloseMessage", [](AppProcess& app) { app.Close(); }},
      {L"ExitCommand", [](AppProcess& app) { app.PostCommand(app::kCmdExit1); }},
  };
  for (const CloseCase& close_case : cases) {
    SCOPED_TRACE(e2e::WideToUtf8(close_case.name));
    TestFolder& folder = ProgramFolder(L"-" + std::wstring(close_case.name));
    auto app = Start(folder);
    // The list named by its bare name, shown by its full path.
    app->WaitCaption(kCaptionStart + e2e::WideToUtf8(folder.PathOf(e2e::Utf8ToWide(kDemoListName))));
    close_case.close(*app);
    EXPECT_EQ(app->WaitExit(), 0u);
  }
}

TEST_F(StartupTest, SecondStartOfTheSameFileEndsSilently) {
  TestFolder& folder = ProgramFolder();
  auto first = Start(folder);
  first->WaitMainWindow();

  auto second = Start(folder);
  EXPECT_EQ(second->WaitExit(), 0u);
  EXPECT_FALSE(second->SawMainWindow());

  EXPECT_FALSE(first->HasExited());
  first->Close();
  EXPECT_EQ(first->WaitExit(), 0u);
}

TEST_F(StartupTest, CopyInAnotherFolderRunsBesideTheFirst) {
  auto first = Start(ProgramFolder(L"-first"));
  first->WaitMainWindow();
  TestFolder& second_folder = ProgramFolder(L"-second");
  auto second = Start(second_folder);
  second->WaitCaption(kCaptionStart +
                      e2e::WideToUtf8(second_folder.PathOf(e2e::Utf8ToWide(kDemoListName))));

  for (AppProcess* app : {first.get(), second.get()}) {
    app->Close();
    EXPECT_EQ(app->WaitExit(), 0u);
  }
}

TEST_F(StartupTest, OldLibraryIsRefusedWithAMessageBeforeAnyWindow) {
  auto app = Start(ProgramFolder(L"", Library::kOld));
  const MessageBoxView box = app->WaitMessageBox();
  ExpectBox(box, "最新のKORVAX/Winを使ってください");
  box.Press(IDOK);
  EXPECT_EQ(app->WaitExit(), 0u);
  EXPECT_FALSE(app->SawMainWindow());
}

TEST_F(StartupTest, WithoutTheLibraryTheProgramDoesNotStart) {
  auto app = Start(ProgramFolder(L"", Library::kMissing));
  EXPECT_NE(app->WaitExit(), 0u);
  EXPECT_FALSE(app->SawMainWindow());
}

// Korvaxw.ini is written in canonical form: each section's lines, then an empty line,
// every line ending in CR LF.
std::string Section(const std::string& name, const std::vector<std::string>& lines) {
  std::string text = "[" + name + "]\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text + "\r\n";
}

std::vector<std::string> ToolSlots(int first, int last, const std::string& prefix,
                                   const std::string& suffix) {
  std::vector<std::string> lines;
  for (int slot = first; slot <= last; ++slot) {
    lines.push_back(std::to_string(slot) + "=" + prefix + std::to_string(slot) + suffix);
  }
  return lines;
}

std::string ReplaceAll(std::string text, const std::string& pattern, const std::string& value) {
  for (size_t at = text.find(pattern); at != std::string::npos;
       at = text.find(pattern, at + value.size())) {
    text.replace(at, pattern.size(), value);
  }
  return text;
}

TEST_F(StartupTest, InstSwitchRegistersTheProgramAsALoggerTool) {
  struct InstCase {
    const wchar_t* name;
    std::optional<std::string> before;  // Korvaxw.ini, Shift-JIS; none: no file
    std::optional<std::string> after;   // "{exe}" stands for the program's path; none: unchanged
  };
  const std::vector<std::string> url1_3_to_5 = {"3=C:\\Tools\\map.exe", "4=C:\\Tools\\qsl.exe /p",
                                                "5=D:\\bin\\cw.exe"};
  const std::vector<std::string> url2_3_to_5 = {"3=Map", "4=QSL\x88\xf3\x8d\xfc",
                                                "5=CW"};  // QSL印刷
  auto with = [](std::vector<std::string> lines, const std::string& line) {
    lines.push_back(line);
    return lines;
  };
  std::vector<std::string> all_url1 = ToolSlots(3, 19, "C:\\Tools\\tool", ".exe");
  std::vector<std::string> all_url2 = ToolSlots(3, 19, "Tool", "");
  const std::string all_before = Section("URL1", all_url1) + Section("URL2", all_url2);
  all_url1.back() = "19={exe}";
  all_url2.back() = "19=Sorvano";

  const InstCase cases[] = {
      {L"NoFile", std::nullopt, Section("URL1", {"3={exe}"}) + Section("URL2", {"3=Sorvano"})},
      {L"FirstFreeSlot", Section("URL1", url1_3_to_5) + Section("URL2", url2_3_to_5),
       Section("URL1", with(url1_3_to_5, "6={exe}")) +
           Section("URL2", with(url2_3_to_5, "6=Sorvano"))},
      {L"RegisteredInOtherCase",
       Section("URL1", {"3=C:\\Tools\\map.exe", "4=D:\\OLD\\SORVANO.EXE -x"}) +
           Section("URL2", {"3=Map", "4=Sorvano"}),
       std::nullopt},
      {L"AllSlotsTaken", all_before, Section("URL1", all_url1) + Section("URL2", all_url2)},
  };
  for (const InstCase& inst_case : cases) {
    SCOPED_TRACE(e2e::WideToUtf8(inst_case.name));
    TestFolder& folder = ProgramFolder(L"-" + std::wstring(inst_case.name));
    if (inst_case.before) folder.Write(L"Korvaxw.ini", *inst_case.before);
    const auto written_before = folder.LastWriteTime(L"Korvaxw.ini");

    // The help page is missing from the folder, so opening it fails with this message.
    auto app = Start(folder, {L"-Inst"});
    const MessageBoxView box = app->WaitMessageBox();
    ExpectBox(box, "インターネットに接続できません");
    box.Press(IDOK);
    EXPECT_EQ(app->WaitExit(), 0u);
    EXPECT_FALSE(app->SawMainWindow());

    const std::string exe = e2e::WideToCp932(folder.PathOf(L"Sorvano.exe"));
    const std::string expected =
        inst_case.after ? ReplaceAll(*inst_case.after, "{exe}", exe) : *inst_case.before;
    EXPECT_EQ(folder.Read(L"Korvaxw.ini").value_or("<no file>"), expected);
    if (!inst_case.after) {
      EXPECT_EQ(folder.LastWriteTime(L"Korvaxw.ini"), written_before);
    }
  }
}

// Removes a file that a test put outside its folder.
class ScopedFile {
 public:
  ScopedFile(const std::wstring& source, std::wstring path) : path_(std::move(path)) {
    if (!CopyFileW(source.c_str(), path_.c_str(), FALSE)) {
      throw e2e::E2eError("cannot create " + e2e::WideToUtf8(path_));
    }
  }
  ~ScopedFile() { DeleteFileW(path_.c_str()); }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;

 private:
  std::wstring path_;
};

std::wstring FullPathOf(const std::wstring& path) {
  wchar_t full[MAX_PATH] = {};
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) {
    throw e2e::E2eError("no full path for " + e2e::WideToUtf8(path));
  }
  return full;
}

TEST_F(StartupTest, OtherSpellingsOfTheSwitchAreListFileNames) {
  struct SpellingCase {
    const wchar_t* name;
    const wchar_t* argument;
  };
  const SpellingCase cases[] = {{L"LowerCase", L"-inst"}, {L"Slash", L"/Inst"}};
  for (const SpellingCase& spelling : cases) {
    SCOPED_TRACE(e2e::WideToUtf8(spelling.argument));
    TestFolder& folder = ProgramFolder(L"-" + std::wstring(spelling.name));
    // The argument names the list, which gets a copy of the demo list so that the window
    // can come up: "-inst" in the working folder; "/Inst" wherever the system puts a
    // rooted path (the current drive's root on Windows, the Unix root under Wine).
    const std::wstring list_path = spelling.argument[0] == L'/' ? FullPathOf(spelling.argument)
                                                                : folder.PathOf(spelling.argument);
    ScopedFile list(DemoList(), list_path);

    auto app = Start(folder, {spelling.argument});
    app->WaitCaption(kCaptionStart + e2e::WideToUtf8(list_path));
    EXPECT_FALSE(folder.Read(L"Korvaxw.ini").has_value());
    app->Close();
    EXPECT_EQ(app->WaitExit(), 0u);
  }
}

}  // namespace
