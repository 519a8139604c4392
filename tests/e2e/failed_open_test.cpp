// Opens that fail or are cancelled, through the real open dialog under Wine: whatever the
// operator chooses and in whatever order, the open list keeps its name, its caption, its
// status line and its unsaved state, and Ctrl+S then writes it into its own file only.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "driver/app_process.h"
#include "driver/build_paths.h"
#include "driver/controls.h"
#include "driver/file_dialog.h"
#include "driver/poll.h"
#include "driver/program_folder.h"
#include "driver/test_folder.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"
#include "program_test.h"

namespace {

using e2e::AppProcess;
using e2e::MessageBoxView;
using e2e::TestFolder;

const std::wstring kDemoListName = L"\u9053\u306e\u99c5.scsv";  // 道の駅.scsv
const std::string kOpen1Title =
    "\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85\xe3\x83\x95\xe3\x82\xa1\xe3\x82\xa4\xe3\x83\xab"
    "\xe3\x82\x92\xe9\x96\x8b\xe3\x81\x8f";                        // 道の駅ファイルを開く
const wchar_t kStartCaption[] = L"\u96c6\u8a08\u958b\u59cb(&S)";  // 集計開始(&S)
const wchar_t kCloseCaption[] = L"Close(&X)";

// The files an operator might pick by mistake; none of them is a usable list.
const std::map<std::wstring, std::string> kNotLists = {
    {L"three.scsv", "No,Name,Code,Place,Worked\r\nA-1,N,01,P\r\nA-2,N,02,P\r\n"},
    {L"empty.scsv", ""},
    {L"binary.scsv", std::string("MZ\x90\0\3\0\0\0,\r\n\xff\xff", 13)},
};

// What the dialog is answered with, and what the program does next.
struct Answer {
  enum Outcome { kRefused, kErrorBox, kCancelled };
  std::wstring name;  // empty: Cancel
  Outcome outcome;
};
const Answer kThree{L"three.scsv", Answer::kRefused};
const Answer kEmpty{L"empty.scsv", Answer::kRefused};
const Answer kBinary{L"binary.scsv", Answer::kRefused};
const Answer kMissing{L"missing.scsv", Answer::kErrorBox};
const Answer kLocked{L"locked.scsv", Answer::kErrorBox};
const Answer kCancel{L"", Answer::kCancelled};

struct Sequence {
  const char* name;
  bool unsaved;                             // a tally first, so Save1 is enabled
  std::vector<std::vector<Answer>> opens;  // one list of answers per Ctrl+O
  friend void PrintTo(const Sequence& sequence, std::ostream* out) { *out << sequence.name; }
};

const Sequence kSequences[] = {
    // The operator's report: a short list, then a name that does not exist.
    {"ShortListThenMissingName", true, {{kThree, kMissing}}},
    {"EmptyBinaryCancelThenLockedFile", true, {{kEmpty, kBinary, kCancel}, {kLocked}}},
    {"CancelThenShortListThenCancel", false, {{kCancel}, {kThree, kEmpty, kCancel}}},
    {"MissingNameThenBinaryThenMissingName", false, {{kMissing}, {kBinary, kMissing}}},
};

// What the operator sees of the open list.
struct Shown {
  std::string caption, status, current;
  bool operator==(const Shown&) const = default;
};

Shown ShownBy(AppProcess& app) {
  HWND window = app.WaitMainWindow();
  HWND edit = e2e::FindDescendant(window, L"Edit");
  return {app.Caption(), e2e::StatusBarText(window), edit ? e2e::WindowTextUtf8(edit) : ""};
}

// The list with every record cut after its fourth field, so that a tally's marks show in
// the saved file. (A comma is never the second byte of a Shift-JIS character.)
std::string WithoutMarks(const std::string& list) {
  std::string result;
  size_t start = 0;
  for (bool header = true; start < list.size(); header = false) {
    const size_t end = list.find("\r\n", start);
    std::string line = list.substr(start, end - start);
    size_t cut = 0;
    for (int commas = 0; cut < line.size(); ++cut) {
      if (line[cut] == ',' && ++commas == 4) break;
    }
    if (!header) line.resize(cut);
    result += line + "\r\n";
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return result;
}

class FailedOpenTest : public e2e::ProgramTestOn<::testing::TestWithParam<Sequence>> {
 protected:
  void TearDown() override {
    if (locked_ != INVALID_HANDLE_VALUE) CloseHandle(locked_);
    ProgramTestOn::TearDown();
  }

  void Install() {
    e2e::ProgramSetup setup;
    setup.settings = "[Main]\r\nQSO=demo.mst\r\n";
    setup.data_files.push_back({e2e::SourceFile("demo/" + e2e::WideToUtf8(kDemoListName)), kDemoListName});
    setup.data_files.push_back({e2e::SourceFile("demo/demo.mst"), L"demo.mst"});
    folder_ = &ProgramTestOn::Install(setup);
    folder_->Write(kDemoListName, WithoutMarks(*folder_->Read(kDemoListName)));
    for (const auto& [name, bytes] : kNotLists) folder_->Write(name, bytes);
    // A good list that another program holds open without sharing: it cannot be read.
    folder_->CopyIn(e2e::SourceFile("demo/" + e2e::WideToUtf8(kDemoListName)), L"locked.scsv");
    locked_ = CreateFileW(folder_->PathOf(L"locked.scsv").c_str(), GENERIC_READ, 0, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked_, INVALID_HANDLE_VALUE);
  }

  std::map<std::wstring, std::optional<std::string>> Files() const {
    std::map<std::wstring, std::optional<std::string>> files;
    files[kDemoListName] = folder_->Read(kDemoListName);
    for (const auto& entry : kNotLists) files[entry.first] = folder_->Read(entry.first);
    files[L"missing.scsv"] = folder_->Read(L"missing.scsv");
    return files;
  }

  // A tally through the dialog, which leaves the list with unsaved marks.
  static void Tally(AppProcess& app) {
    HWND dialog = e2e::OpenTallyDialog(app);
    PostMessageW(e2e::FindDescendant(dialog, L"Button", kStartCaption), BM_CLICK, 0, 0);
    const MessageBoxView report = app.WaitMessageBox(e2e::Timeout{120000});
    report.Press(IDOK);
    e2e::WaitFor("the Close button enabled", [&] {
      HWND button = e2e::FindDescendant(dialog, L"Button", kCloseCaption);
      return button != nullptr && IsWindowEnabled(button);
    });
    PostMessageW(e2e::FindDescendant(dialog, L"Button", kCloseCaption), BM_CLICK, 0, 0);
    e2e::WaitFor("the tally dialog closed", [&] { return !IsWindowVisible(dialog); });
  }

  // One Ctrl+O, answered as `answers` say.
  void Open(AppProcess& app, const std::vector<Answer>& answers) {
    app.PostCommand(app::kCmdO1);
    HWND previous = nullptr;
    for (const Answer& answer : answers) {
      MessageBoxView dialog = app.WaitMessageBox();
      e2e::WaitFor("a new open dialog", [&] {
        dialog = app.WaitMessageBox();
        return dialog.handle() != previous;
      });
      ASSERT_EQ(dialog.Caption(), kOpen1Title);
      previous = dialog.handle();
      if (answer.outcome == Answer::kCancelled) {
        dialog.Press(IDCANCEL);
        continue;
      }
      e2e::EnterFileName(dialog.handle(), folder_->PathOf(answer.name));
      if (answer.outcome == Answer::kErrorBox) {
        MessageBoxView error = app.WaitMessageBox();
        e2e::WaitFor("the error box", [&] {
          error = app.WaitMessageBox();
          return error.handle() != previous;
        });
        EXPECT_NE(error.Text().find(e2e::WideToUtf8(answer.name)), std::string::npos) << error.Text();
        error.Press(IDOK);
      }
    }
    e2e::WaitFor("no dialog left", [&] { return !e2e::AnyDialogVisible(app.id()); });
  }

  TestFolder* folder_ = nullptr;
  HANDLE locked_ = INVALID_HANDLE_VALUE;
};

TEST_P(FailedOpenTest, LeavesTheOpenListAsItWasAndCtrlSSavesOnlyIntoItsFile) {
  const Sequence& sequence = GetParam();
  Install();
  ASSERT_FALSE(HasFatalFailure());
  const auto files_at_start = Files();
  AppProcess app(folder_->PathOf(L"Sorvano.exe"), {kDemoListName}, folder_->path());
  app.WaitMainWindow();
  if (sequence.unsaved) Tally(app);
  e2e::WaitFor("the current target above the grid", [&] { return !ShownBy(app).current.empty(); });
  const Shown before = ShownBy(app);

  for (const auto& answers : sequence.opens) Open(app, answers);
  e2e::WaitFor("the list as it was", [&] { return ShownBy(app) == before; });

  app.PostCommand(app::kCmdSave1);
  app.Close();  // no question: nothing is left unsaved
  EXPECT_EQ(app.WaitExit(), 0u);

  // The demo list holds the marks exactly when there were marks to save; no other file
  // was written or made.
  const auto files = Files();
  for (const auto& [name, bytes] : files) {
    if (name == kDemoListName) continue;
    EXPECT_EQ(bytes, files_at_start.at(name)) << e2e::WideToUtf8(name);
  }
  const std::string& list = *files.at(kDemoListName);
  const std::string& original = *files_at_start.at(kDemoListName);
  if (sequence.unsaved) {
    EXPECT_NE(list.find(">\r\n"), std::string::npos) << "no marks saved";
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), std::count(original.begin(), original.end(), '\n'));
  } else {
    EXPECT_EQ(list, original);
  }
}

INSTANTIATE_TEST_SUITE_P(Sequences, FailedOpenTest, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
