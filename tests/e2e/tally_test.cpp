// The tally through the real dialog under Wine: the report, the marks and the count in
// the status line, the display filters over the marks it made, saving and reloading, an
// abort, and a cancelled database dialog.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "driver/app_process.h"
#include "driver/build_paths.h"
#include "driver/controls.h"
#include "driver/drawn.h"
#include "driver/poll.h"
#include "driver/program_folder.h"
#include "driver/screen_capture.h"
#include "driver/test_folder.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"
#include "mst_writer.h"
#include "program_test.h"

namespace {

using e2e::AppProcess;
using e2e::MessageBoxView;
using e2e::TestFolder;

const std::wstring kDemoListName = L"\u9053\u306e\u99c5.scsv";       // 道の駅.scsv
const wchar_t kStartCaption[] = L"\u96c6\u8a08\u958b\u59cb(&S)";     // 集計開始(&S)
const wchar_t kCloseCaption[] = L"Close(&X)";
const std::string kAward = "\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85";  // 道の駅 (UTF-8)
const std::string kWorkedWith = "\xe7\xae\x87\xe6\x89\x80\xe3\x81\xae\xe3\x80\x8c" + kAward +
                                "\xe3\x80\x8d\xe3\x81\xa8\xe4\xba\xa4\xe4\xbf\xa1\xe3\x81\x97"
                                "\xe3\x81\xa6\xe3\x81\x84\xe3\x81\xbe\xe3\x81\x99\xe3\x80\x82";  // 箇所の「道の駅」と交信しています。
const std::string kOpen2Title = "QSO\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf\xe3\x82\x92\xe9\x96\x8b\xe3\x81\x8f";  // QSOデータを開く

class TallyTest : public e2e::ProgramTest {
 protected:
  TestFolder& Folder(const std::string& settings) {
    e2e::ProgramSetup setup;
    setup.settings = settings;
    setup.data_files.push_back({e2e::SourceFile("demo/" + e2e::WideToUtf8(kDemoListName)), kDemoListName});
    setup.data_files.push_back({e2e::SourceFile("demo/demo.mst"), L"demo.mst"});
    return Install(setup);
  }

  std::unique_ptr<AppProcess> Start() {
    auto app = e2e::ProgramTest::Start(folder());
    app->WaitMainWindow();
    return app;
  }

  // Opens the tally dialog from the menu and returns it.
  static HWND OpenDialog(AppProcess& app) {
    return e2e::OpenTallyDialog(app);
  }

  // Posted, not sent: the button's command shows a modal box before it returns.
  static void Click(HWND dialog, const wchar_t* caption) {
    HWND button = e2e::FindDescendant(dialog, L"Button", caption);
    ASSERT_NE(button, nullptr) << e2e::WideToUtf8(caption);
    PostMessageW(button, BM_CLICK, 0, 0);
  }

  // Closes the tally dialog with its Close button; the main window takes input again.
  static void CloseDialog(AppProcess& app, HWND dialog) {
    e2e::WaitFor("the Close button enabled", [&] {
      HWND button = e2e::FindDescendant(dialog, L"Button", kCloseCaption);
      return button != nullptr && IsWindowEnabled(button);
    });
    Click(dialog, kCloseCaption);
    e2e::WaitFor("the tally dialog closed", [&] { return !IsWindowVisible(dialog); });
    e2e::WaitFor("the main window enabled", [&] { return IsWindowEnabled(app.WaitMainWindow()) != 0; });
  }

  static std::string StatusText(AppProcess& app) { return e2e::StatusBarText(app.WaitMainWindow()); }
};

TEST_F(TallyTest, TallyReportsMarksAndSurvivesSaveAndReload) {
  // Remarks1 first, then Remarks2 (bit 9), with the other default bits.
  TestFolder& folder = Folder("[Main]\r\nQSO=demo.mst\r\n[Set]\r\nRmks=593\r\n");
  const std::string list_before = *folder.Read(kDemoListName);
  auto app = Start();
  HWND dialog = OpenDialog(*app);
  EXPECT_TRUE(e2e::SavePicture(dialog, L"TallyTest-dialog.bmp"));
  Click(dialog, kStartCaption);
  const MessageBoxView report = app->WaitMessageBox(e2e::Timeout{120000});
  const std::string text = report.Text();
  EXPECT_EQ(report.Caption(), kAward);
  ASSERT_NE(text.find(kWorkedWith), std::string::npos) << text;
  const std::string worked = text.substr(0, text.find(kWorkedWith));
  report.Press(IDOK);
  e2e::WaitFor("the report box gone", [&] { return !IsWindowVisible(report.handle()); });
  CloseDialog(*app, dialog);

  const std::string summary = kAward + "\xef\xbc\x9d" + worked + "\xef\xbc\x8f";  // 道の駅＝N／
  e2e::WaitFor("the worked count in the status line",
               [&] { return StatusText(*app).find(summary) != std::string::npos; });
  // The grid with its ◆ and ■ marks, for a person to look at, once it has repainted.
  EXPECT_TRUE(e2e::SavePicture(app->WaitMainWindow(), L"TallyTest-marks.bmp"));

  // Unsaved changes: closing asks, and Cancel keeps the window and writes no settings.
  const std::string settings_before = *folder.Read(L"Sorvano.ini");
  app->Close();
  const MessageBoxView question = app->WaitMessageBox();
  EXPECT_EQ(question.Buttons(), (std::vector<int>{IDCANCEL, IDYES, IDNO}));
  question.Press(IDCANCEL);
  e2e::WaitFor("the question gone", [&] { return !IsWindowVisible(question.handle()); });
  EXPECT_FALSE(app->HasExited());
  EXPECT_EQ(*folder.Read(L"Sorvano.ini"), settings_before);
  app->PostCommand(app::kCmdSave1);
  e2e::WaitFor("the list saved", [&] { return folder.Read(kDemoListName) != list_before; });
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);  // saved: no question on closing

  auto again = Start();
  e2e::WaitFor("the same count after reloading",
               [&] { return StatusText(*again).find(summary) != std::string::npos; });
  again->Close();
  EXPECT_EQ(again->WaitExit(), 0u);
}

// Each display filter over the marks that a tally through the dialog made: the rows it
// keeps are those of the saved list with that class of worked field, and clicking it
// again shows all rows.
TEST_F(TallyTest, DisplayFiltersShowTheClassesTheTallyMarked) {
  TestFolder& folder = Folder("[Main]\r\nQSO=demo.mst\r\n[Set]\r\nRmks=593\r\n");
  const std::string list_before = *folder.Read(kDemoListName);
  auto app = Start();
  HWND dialog = OpenDialog(*app);
  Click(dialog, kStartCaption);
  const MessageBoxView report = app->WaitMessageBox(e2e::Timeout{120000});
  report.Press(IDOK);
  e2e::WaitFor("the report box gone", [&] { return !IsWindowVisible(report.handle()); });
  CloseDialog(*app, dialog);
  app->PostCommand(app::kCmdSave1);
  e2e::WaitFor("the list saved", [&] { return folder.Read(kDemoListName) != list_before; });

  // The classes of the saved records: ( confirms, < works.
  int records = 0, confirmed = 0, worked_only = 0;
  const std::string saved = *folder.Read(kDemoListName);
  for (size_t start = saved.find("\r\n") + 2; start < saved.size();) {
    const size_t end = saved.find("\r\n", start);
    const std::string line = saved.substr(start, end - start);
    start = end + 2;
    ++records;
    size_t field = 0;
    for (int comma = 0; comma < 4 && field != std::string::npos; ++comma) field = line.find(',', field + (comma > 0));
    if (field == std::string::npos) continue;
    const std::string worked = line.substr(field + 1, line.find(',', field + 1) - field - 1);
    if (worked.find('(') != std::string::npos) {
      ++confirmed;
    } else if (worked.find('<') != std::string::npos) {
      ++worked_only;
    }
  }
  ASSERT_GT(confirmed, 0);
  ASSERT_GT(worked_only, 0);
  const auto summary = [&](int shown) {  // 道の駅＝shown／records件
    return kAward + "\xef\xbc\x9d" + std::to_string(shown) + "\xef\xbc\x8f" + std::to_string(records) + "\xe4\xbb\xb6";
  };
  const auto wait_summary = [&](int shown) {
    e2e::WaitFor("the status line " + summary(shown),
                 [&] { return StatusText(*app).find(summary(shown)) != std::string::npos; });
  };
  const struct {
    int command;
    int shown;
  } filters[] = {{app::kCmdN6, confirmed + worked_only},
                 {app::kCmdN8, confirmed},
                 {app::kCmdN7, records - confirmed - worked_only},
                 {app::kCmdN10, records - confirmed}};
  for (const auto& filter : filters) {
    app->PostCommand(filter.command);
    wait_summary(filter.shown);
    app->PostCommand(filter.command);
    wait_summary(confirmed + worked_only);  // all rows: the worked count of the list
  }
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

TEST_F(TallyTest, CancellingTheDatabaseDialogEndsTheTallySilently) {
  Folder("[Main]\r\nQSO=missing.mst\r\n");
  auto app = Start();
  HWND dialog = OpenDialog(*app);
  Click(dialog, kStartCaption);
  const MessageBoxView open2 = app->WaitMessageBox();
  EXPECT_EQ(open2.Caption(), kOpen2Title);
  open2.Press(IDCANCEL);
  e2e::WaitFor("the start button back",
               [&] { return e2e::FindDescendant(dialog, L"Button", kStartCaption) != nullptr; });
  EXPECT_FALSE(e2e::PollUntil([&] { return e2e::AnyDialogVisible(app->id()); }, e2e::Timeout{2000}));
  CloseDialog(*app, dialog);
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);  // nothing changed: no save question
}

TEST_F(TallyTest, AnAbortedTallyShowsNothingAndLeavesTheListUnchanged) {
  TestFolder& folder = Folder("[Main]\r\nQSO=big.mst\r\n");
  {
    // Enough QSOs that the tally is still running when the abort arrives.
    korvax::MstWriter writer(e2e::WideToCp932(folder.PathOf(L"big.mst")));
    ASSERT_TRUE(writer.ok());
    for (int n = 0; n < 300000; ++n) {
      korvax::MstRecord record;
      record.call = "JA1" + std::string(1, static_cast<char>('A' + n % 26)) + "AA";
      record.date = "20/05/01";
      record.time = "12:00";
      record.frequency = "7.010";
      record.mode = "CW";
      record.remarks2 = "\x81\xa0" "01-00" + std::to_string(1 + n % 6) + ",x";  // □01-00n,x
      writer.Append(record);
    }
    ASSERT_TRUE(writer.Finish());
  }
  auto app = Start();
  HWND dialog = OpenDialog(*app);
  // The second click is queued behind the first and reaches the button (then 中　断)
  // at the running tally's first look at its messages, however fast the tally is.
  HWND button = e2e::FindDescendant(dialog, L"Button", kStartCaption);
  ASSERT_NE(button, nullptr);
  PostMessageW(button, BM_CLICK, 0, 0);
  PostMessageW(button, BM_CLICK, 0, 0);
  e2e::WaitFor("the tally stopped",
               [&] { return e2e::FindDescendant(dialog, L"Button", kStartCaption) != nullptr; },
               e2e::Timeout{60000});
  EXPECT_FALSE(e2e::PollUntil([&] { return e2e::AnyDialogVisible(app->id()); }, e2e::Timeout{2000}));
  CloseDialog(*app, dialog);
  app->Close();
  // Save1 stayed disabled: the window closes without the save question.
  EXPECT_EQ(app->WaitExit(), 0u);
}

std::string ClipboardUtf8() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = e2e::WideToUtf8(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

TEST_F(TallyTest, AZaListPutsItsQsoTableOnTheClipboard) {
  TestFolder& folder = Folder("[Main]\r\nQSO=za.mst\r\n");
  std::string list = "No,Name,Code,Place,Worked,ZA,,0\r\n";
  for (int n = 1; n <= 60; ++n) {
    const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
    list += "ZA-0" + number + ",Name,1001" + number + ",Place\r\n";
  }
  folder.Write(L"za.scsv", list);
  {
    korvax::MstWriter writer(e2e::WideToCp932(folder.PathOf(L"za.mst")));
    ASSERT_TRUE(writer.ok());
    const korvax::MstRecord records[] = {
        {.call = "JA1ZZA", .date = "20/05/01", .time = "12:34", .qth = "100102", .frequency = "7.010", .mode = "CW"},
        {.call = "JA2OLD", .date = "14/08/31", .time = "09:00", .qth = "100103", .frequency = "14.050", .mode = "CW"},
        {.call = "JA3NEW", .date = "14/09/01", .time = "10:00", .qth = "100104", .frequency = "21.300", .mode = "SSB"},
    };
    for (const korvax::MstRecord& record : records) writer.Append(record);
    ASSERT_TRUE(writer.Finish());
  }
  auto app = e2e::ProgramTest::Start(folder, {folder.PathOf(L"za.scsv")});
  app->WaitMainWindow();
  HWND dialog = OpenDialog(*app);
  Click(dialog, kStartCaption);
  const MessageBoxView report = app->WaitMessageBox(e2e::Timeout{60000});
  EXPECT_EQ(report.Caption(), "ZA");
  EXPECT_EQ(report.Text().rfind("2", 0), 0u) << report.Text();  // 14/08/31 is too early
  report.Press(IDOK);
  const std::string table = ClipboardUtf8();
  // One row per target, in list order: ZA-002 and ZA-004 worked, the others empty.
  const std::string first_rows =
      "\r\nJA1ZZA\t20/05/01\t7.010\tCW\r\n\r\nJA3NEW\t14/09/01\t21.300\tSSB\r\n";
  EXPECT_EQ(table.rfind(first_rows, 0), 0u) << table.substr(0, 200);
  CloseDialog(*app, dialog);
  app->Close();
  const MessageBoxView question = app->WaitMessageBox();
  question.Press(IDNO);
  EXPECT_EQ(app->WaitExit(), 0u);
}

}  // namespace
