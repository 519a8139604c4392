// The main window on a real list under Wine: the saved position and column widths, the
// grid's marks and highlight, the close question, the refusal of a too-short list, and
// the settings written at the end.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

namespace {

using e2e::AppProcess;
using e2e::MessageBoxView;
using e2e::TestFolder;

const std::wstring kDemoListName = L"\u9053\u306e\u99c5.scsv";  // 道の駅.scsv

class ListWindowTest : public e2e::ProgramTest {
 protected:
  TestFolder& Folder(const std::optional<std::string>& settings, bool nine_line_list = false) {
    e2e::ProgramSetup setup;
    setup.settings = settings;
    setup.data_files.push_back({e2e::SourceFile("demo/\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85.scsv"), kDemoListName});
    TestFolder& folder = Install(setup);
    if (nine_line_list) {
      std::string list = "No,Name,Code,Place,Worked\r\n";
      for (int n = 1; n <= 8; ++n) list += "A-" + std::to_string(n) + ",N,01,P\r\n";
      folder.Write(L"short.scsv", list);
    }
    return folder;
  }

  std::unique_ptr<AppProcess> Start(const std::vector<std::wstring>& arguments = {}) {
    return e2e::ProgramTest::Start(folder(), arguments);
  }
};

TEST_F(ListWindowTest, OpensWhereItWasWithItsColumnsAndMarksAndSavesElevenNumbers) {
  const std::string pos = "40,30,720,520,90,210,70,250,120,0,1";
  TestFolder& folder = Folder("[Main]\r\nPos=" + pos + "\r\n");
  auto app = Start();
  HWND window = app->WaitMainWindow();
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 40);
  EXPECT_EQ(rect.top, 30);
  EXPECT_EQ(rect.right - rect.left, 720);
  EXPECT_EQ(rect.bottom - rect.top, 520);

  // The status line counts the worked targets of the demo list; the line above the
  // grid and the highlighted row follow the current target.
  HWND status = e2e::FindDescendant(window, L"msctls_statusbar32");
  ASSERT_NE(status, nullptr);
  e2e::WaitFor("the award summary", [&] {
    return e2e::WindowTextUtf8(status).find("\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85\xef\xbc\x9d") !=
           std::string::npos;  // 道の駅＝
  });
  HWND edit = e2e::FindDescendant(window, L"Edit");
  ASSERT_NE(edit, nullptr);
  e2e::WaitFor("the current target above the grid",
               [&] { return !e2e::WindowTextUtf8(edit).empty(); });
  e2e::WaitFor("the yellow row of the current target",
               [&] { return e2e::CaptureWindow(window).Count(RGB(255, 255, 0)) > 100; });

  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
  const std::optional<std::string> settings = folder.Read(L"Sorvano.ini");
  ASSERT_TRUE(settings.has_value());
  // The window, the five column widths, the state and the top row.
  EXPECT_NE(settings->find("Pos=" + pos.substr(0, pos.rfind(',') + 1)), std::string::npos)
      << *settings;
}

TEST_F(ListWindowTest, ANineLineListIsRefusedWithTheOpenDialog) {
  Folder(std::nullopt, true);
  auto app = Start({folder().PathOf(L"short.scsv")});
  const MessageBoxView dialog = app->WaitMessageBox();
  for (HWND window : e2e::TopLevelWindows(app->id(), L"TStation")) {
    EXPECT_FALSE(IsWindowVisible(window));
  }
  EXPECT_EQ(dialog.Caption(), "\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85\xe3\x83\x95\xe3\x82\xa1"
                              "\xe3\x82\xa4\xe3\x83\xab\xe3\x82\x92\xe9\x96\x8b\xe3\x81\x8f");  // 道の駅ファイルを開く
  dialog.Press(IDCANCEL);
  EXPECT_EQ(app->WaitExit(), 0u);
}

}  // namespace
