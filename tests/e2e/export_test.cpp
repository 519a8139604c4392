// The spreadsheet export under Wine. With our stand-in automation server registered as
// "Excel.Application": both commands on the demo list (which holds a tally's entries),
// the server's recorded calls against the expected table and the cells it kept against
// the grid's rows, the progress bar during a slowed export, and failures that end in the
// error box with the program still working. With nothing registered: a workbook file
// beside the list, opened through the shell.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <korvax50.h>

#include "app/command_ids.h"
#include "driver/app_process.h"
#include "driver/build_paths.h"
#include "driver/controls.h"
#include "driver/poll.h"
#include "driver/program_folder.h"
#include "driver/screen_capture.h"
#include "driver/test_folder.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"
#include "program_test.h"
#include "support/expected_sheet_calls.h"
#include "tally/qso_record.h"
#include "targets/comma_text.h"

namespace {

using e2e::AppProcess;
using e2e::MessageBoxView;
using e2e::TestFolder;
using Cells = std::vector<std::vector<std::string>>;

const std::wstring kDemoListName = L"\u9053\u306e\u99c5.scsv";  // 道の駅.scsv
const wchar_t kServerClsid[] = L"{6C0F3B52-8E1D-4C7A-9B7E-2F4D5A6B7C81}";
const wchar_t kProgIdKey[] = L"Excel.Application";
const std::wstring kClsidKey = std::wstring(L"CLSID\\") + kServerClsid;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Cells as the row set carries them: through comma text, which drops a trailing empty cell.
std::vector<std::string> AsRowSetCells(const std::vector<std::string>& cells) {
  return targets::SplitCommaText(targets::JoinCommaText(cells));
}

class ExportTest : public e2e::ProgramTest {
 protected:
  void SetUp() override {
    Unregister();
    for (const wchar_t* name : {L"SORVANO_SHEET_LOG", L"SORVANO_SHEET_FAIL_AT", L"SORVANO_SHEET_REJECT",
                                L"SORVANO_SHEET_DELAY_MS"}) {
      SetEnvironmentVariableW(name, nullptr);
    }
  }
  void TearDown() override {
    Unregister();
    e2e::ProgramTest::TearDown();
  }

  static void Register() {
    const std::wstring dll = e2e::BinDir() + L"\\SheetServer.dll";
    auto set = [](const std::wstring& key, const wchar_t* name, const std::wstring& value) {
      ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, value.c_str(),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                ERROR_SUCCESS);
    };
    set(std::wstring(kProgIdKey) + L"\\CLSID", nullptr, kServerClsid);
    set(kClsidKey + L"\\InprocServer32", nullptr, dll);
    set(kClsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  }
  // The server's registration and the workbook association that one test makes are
  // removed, also after a test that failed half-way.
  static void Unregister() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgIdKey);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kClsidKey.c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".xlsx");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"SorvanoTest.Workbook");
  }

  TestFolder& Folder() {
    e2e::ProgramSetup setup;
    setup.settings = "[Main]\r\nQSO=demo.mst\r\n";
    setup.data_files.push_back({e2e::SourceFile("demo/" + e2e::WideToUtf8(kDemoListName)), kDemoListName});
    setup.data_files.push_back({e2e::SourceFile("demo/demo.mst"), L"demo.mst"});
    TestFolder& folder = Install(setup);
    SetEnvironmentVariableW(L"SORVANO_SHEET_LOG", folder.PathOf(L"calls.log").c_str());
    return folder;
  }

  std::unique_ptr<AppProcess> StartApp() {
    auto app = e2e::ProgramTest::Start(folder());
    app->WaitMainWindow();
    return app;
  }

  // A tally through the dialog, its report answered, the dialog closed, and the list
  // saved, so that the list file holds what the grid shows.
  void TallyAndSave(AppProcess& app) {
    const auto written_before = folder().LastWriteTime(kDemoListName);
    HWND dialog = e2e::OpenTallyDialog(app);
    HWND start = e2e::FindDescendant(dialog, L"Button", L"\u96c6\u8a08\u958b\u59cb(&S)");  // 集計開始(&S)
    ASSERT_NE(start, nullptr);
    PostMessageW(start, BM_CLICK, 0, 0);
    const MessageBoxView report = app.WaitMessageBox(e2e::Timeout{120000});
    report.Press(IDOK);
    e2e::WaitFor("the report gone", [&] { return !IsWindowVisible(report.handle()); });
    HWND close = nullptr;
    e2e::WaitFor("the Close button enabled", [&] {
      close = e2e::FindDescendant(dialog, L"Button", L"Close(&X)");
      return close != nullptr && IsWindowEnabled(close);
    });
    PostMessageW(close, BM_CLICK, 0, 0);
    e2e::WaitFor("the tally dialog closed", [&] { return !IsWindowVisible(dialog); });
    app.PostCommand(app::kCmdSave1);
    e2e::WaitFor("the list saved", [&] { return folder().LastWriteTime(kDemoListName) != written_before; });
  }

  // The server's log once the export has shown the sheet.
  std::vector<std::string> WaitCalls() {
    std::vector<std::string> calls;
    e2e::WaitFor("the export's last call", [&] {
      calls = Lines(folder().Read(L"calls.log").value_or(""));
      return !calls.empty() && calls.back() == "Application.Caption()";
    }, e2e::Timeout{120000});
    return calls;
  }

  Cells ServerCells() {
    Cells cells;
    for (const std::string& line : Lines(folder().Read(L"calls.log.cells").value_or(""))) {
      std::vector<std::string> row;
      size_t start = 0;
      for (;;) {
        const size_t tab = line.find('\t', start);
        row.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
      }
      cells.push_back(row);
    }
    return cells;
  }

  // The grid's rows as the list file gives them: "No" and header fields 0 to 4, then each
  // target numbered from 1 followed by its fields.
  Cells PlainRows() {
    const std::vector<std::string> lines = Lines(*folder().Read(kDemoListName));
    std::vector<std::string> header = targets::SplitCommaText(lines[0]);
    header.resize(5);
    header.insert(header.begin(), "No");
    Cells rows = {AsRowSetCells(header)};
    for (size_t n = 1; n < lines.size(); ++n) {
      if (lines[n].empty()) continue;
      std::vector<std::string> row = targets::SplitCommaText(lines[n]);
      row.insert(row.begin(), std::to_string(rows.size()));
      rows.push_back(AsRowSetCells(row));
    }
    return rows;
  }

  // The same rows with the QSO columns, each QSO read from the database by the record
  // number of the target's first worked entry.
  Cells QsoRows() {
    Cells rows = PlainRows();
    rows[0].insert(rows[0].begin() + 5, {"Call", "Date", "Time", "Freq", "Mode"});
    QsoRecord record;
    const std::string database = e2e::WideToUtf8(folder().PathOf(L"demo.mst"));
    EXPECT_EQ(KorvaxOpen(0, record.data(), database.c_str(), 1), 0);
    for (size_t n = 1; n < rows.size(); ++n) {
      std::vector<std::string>& row = rows[n];
      if (row.size() <= 5) continue;
      const std::string worked = row[5];
      const size_t colon = worked.find(':');
      const std::string first = worked.substr(0, colon);
      row.insert(row.begin() + 5, 5, std::string());
      row[10] = colon == std::string::npos ? "" : worked.substr(colon + 1);
      size_t bracket = first.find('<');
      if (bracket == std::string::npos) bracket = first.find('(');
      if (bracket != std::string::npos &&
          KRX_read(record.data(), std::atoi(first.c_str() + bracket + 1), 3) == 0) {
        const std::string date(record.Text(qso_field::kDate));
        row[5] = std::string(record.Text(qso_field::kCall));
        row[6] = (std::atoi(date.c_str()) >= 52 ? "19" : "20") + date;
        row[7] = std::string(record.Text(qso_field::kTime).substr(0, 5));
        row[8] = std::string(record.Text(qso_field::kFrequency));
        row[9] = std::string(record.Text(qso_field::kMode));
      }
      row = AsRowSetCells(row);
    }
    KorvaxClose(record.data(), 1);
    return rows;
  }
};

std::string WidestColumn(const Cells& rows) {
  size_t widest = 0;
  for (const auto& row : rows) widest = std::max(widest, row.size());
  std::string name;
  for (size_t n = widest; n > 0; n = (n - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
  return name;
}

TEST_F(ExportTest, BothCommandsWriteTheGridsRowsInTheExpectedCalls) {
  Register();
  Folder();
  auto app = StartApp();
  TallyAndSave(*app);
  const struct {
    int command;
    const char* name;
  } commands[] = {{app::kCmdE2, "plain"}, {app::kCmdN13, "with QSO columns"}};
  for (const auto& command : commands) {
    SCOPED_TRACE(command.name);
    folder().Write(L"calls.log", "");
    app->PostCommand(command.command);
    const std::vector<std::string> calls = WaitCalls();
    e2e::WaitFor("the cells kept", [&] { return folder().Read(L"calls.log.cells").has_value(); });
    const Cells expected = command.command == app::kCmdE2 ? PlainRows() : QsoRows();
    const Cells cells = ServerCells();
    ASSERT_EQ(cells.size(), expected.size());
    for (size_t i = 0; i < cells.size(); ++i) EXPECT_EQ(cells[i], expected[i]) << "row " << i + 1;
    EXPECT_EQ(calls, sheet_calls::Expected(expected, static_cast<int>(expected.size()), WidestColumn(expected)));
    // Still working: the window answers and shows no box.
    EXPECT_FALSE(e2e::AnyDialogVisible(app->id()));
    EXPECT_TRUE(IsWindowEnabled(app->WaitMainWindow()));
  }
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

// With a display filter on, the export takes the rows the grid shows: numbered anew, each
// a worked target of the list, in the list's order.
TEST_F(ExportTest, AFilteredGridExportsTheRowsItShows) {
  Register();
  Folder();
  auto app = StartApp();
  TallyAndSave(*app);
  app->PostCommand(app::kCmdN6);  // 交信済みのデータを表示
  folder().Write(L"calls.log", "");
  app->PostCommand(app::kCmdE2);
  WaitCalls();
  e2e::WaitFor("the cells kept", [&] { return folder().Read(L"calls.log.cells").has_value(); });
  const Cells all = PlainRows();
  const Cells cells = ServerCells();
  ASSERT_GT(cells.size(), 1u);
  ASSERT_LT(cells.size(), all.size());
  EXPECT_EQ(cells[0], all[0]);
  size_t next = 1;
  for (size_t i = 1; i < cells.size(); ++i) {
    EXPECT_EQ(cells[i][0], all[i][0]) << "row " << i << " is numbered as shown";
    const std::vector<std::string> fields(cells[i].begin() + 1, cells[i].end());
    while (next < all.size() && std::vector<std::string>(all[next].begin() + 1, all[next].end()) != fields) ++next;
    ASSERT_LT(next, all.size()) << "row " << i << " is no target of the list, or out of its order";
    ASSERT_GT(fields.size(), 4u) << "row " << i << " has no worked entries";
    EXPECT_GT(fields[4].size(), 1u) << "row " << i << " is not worked";
    ++next;
  }
  app->PostCommand(app::kCmdN6);  // all rows again
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

TEST_F(ExportTest, TheProgressBarShowsDuringALongExport) {
  Register();
  Folder();
  SetEnvironmentVariableW(L"SORVANO_SHEET_DELAY_MS", L"1");
  auto app = StartApp();
  app->PostCommand(app::kCmdE2);
  e2e::WaitFor("a long way into the rows", [&] {
    return Lines(folder().Read(L"calls.log").value_or("")).size() > 2000;
  }, e2e::Timeout{60000});
  const e2e::WindowPicture picture = e2e::CaptureWindow(app->WaitMainWindow());
  EXPECT_TRUE(picture.SaveBmp(e2e::PictureFolder() + L"\\ExportTest-progress.bmp"));
  WaitCalls();
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

TEST_F(ExportTest, AFailedCallEndsInTheErrorBoxAndTheProgramGoesOn) {
  const struct {
    const wchar_t* variable;
    const wchar_t* value;
    std::string message;  // UTF-8
  } cases[] = {
      {L"SORVANO_SHEET_FAIL_AT", L"20", "stand-in failure at call 20"},
      {L"SORVANO_SHEET_REJECT", L"Borders",
       "'Borders' \xef\xbe\x92\xef\xbd\xbf\xef\xbd\xaf\xef\xbe\x84\xef\xbe\x9e\xe3\x81\xaf"},  // 'Borders' ﾒｿｯﾄﾞは
  };
  Register();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Folder();
    SetEnvironmentVariableW(c.variable, c.value);
    auto app = StartApp();
    app->PostCommand(app::kCmdN13);
    const MessageBoxView box = app->WaitMessageBox(e2e::Timeout{60000});
    EXPECT_EQ(box.Text().rfind(c.message, 0), 0u) << box.Text();
    EXPECT_EQ(box.Caption(), "Sorvano");
    box.Press(IDOK);
    e2e::WaitFor("the error box gone", [&] { return !IsWindowVisible(box.handle()); });
    SetEnvironmentVariableW(c.variable, nullptr);
    // The database was closed: the list can still be saved and the program closes cleanly.
    EXPECT_TRUE(IsWindowEnabled(app->WaitMainWindow()));
    app->Close();
    EXPECT_EQ(app->WaitExit(), 0u);
  }
}

TEST_F(ExportTest, WithoutASpreadsheetProgramAWorkbookGoesBesideTheList) {
  TestFolder& test_folder = Folder();
  // The shell opens a workbook by copying it to a name the test knows.
  const std::wstring opened = test_folder.PathOf(L"opened.xlsx");
  const std::wstring command = L"C:\\windows\\system32\\cmd.exe /c copy \"%1\" \"" + opened + L"\"";
  ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, L".xlsx", nullptr, REG_SZ, L"SorvanoTest.Workbook",
                            sizeof(L"SorvanoTest.Workbook")), ERROR_SUCCESS);
  ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, L"SorvanoTest.Workbook\\shell\\open\\command", nullptr, REG_SZ,
                            command.c_str(), static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  auto app = StartApp();
  app->PostCommand(app::kCmdN13);
  e2e::WaitFor("the workbook opened through the shell",
               [&] { return test_folder.Read(L"opened.xlsx").has_value(); }, e2e::Timeout{60000});
  EXPECT_EQ(test_folder.Read(L"opened.xlsx")->substr(0, 2), "PK");
  // The status line's second panel says where it went (its length is all another process
  // can read of it).
  HWND status = FindWindowExW(app->WaitMainWindow(), nullptr, L"msctls_statusbar32", nullptr);
  ASSERT_NE(status, nullptr);
  EXPECT_GT(LOWORD(SendMessageW(status, SB_GETTEXTLENGTHW, 1, 0)), test_folder.path().size());
  EXPECT_FALSE(e2e::AnyDialogVisible(app->id()));

  // Left for the read-back check beside the test's log: the workbook and the rows the
  // grid showed, as UTF-8 text with tabs.
  std::string expected;
  for (const auto& row : QsoRows()) {
    for (size_t i = 0; i < row.size(); ++i) {
      expected += (i ? "\t" : "") + e2e::WideToUtf8(e2e::Cp932ToWide(row[i]));
    }
    expected += "\n";
  }
  const std::wstring pictures = e2e::PictureFolder();
  CopyFileW(opened.c_str(), (pictures + L"\\ExportTest-workbook.xlsx").c_str(), FALSE);
  HANDLE file = CreateFileW((pictures + L"\\ExportTest-workbook.tsv").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, expected.data(), static_cast<DWORD>(expected.size()), &written, nullptr);
  CloseHandle(file);
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

}  // namespace
