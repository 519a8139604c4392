// The main window and the tally dialog as the operator meets them under Wine: drop-down
// lists that open on a click and take no typing, the start record's arrows, the least
// window size, the layout at the default size and maximised, the font dialog's start,
// and pictures of it all for a person to look at.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/command_ids.h"
#include "driver/app_process.h"
#include "driver/build_paths.h"
#include "driver/poll.h"
#include "driver/program_folder.h"
#include "driver/screen_capture.h"
#include "driver/test_folder.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"
#include "program_test.h"

namespace {

using e2e::AppProcess;
using e2e::TestFolder;

const std::wstring kDemoListName = L"\u9053\u306e\u99c5.scsv";  // 道の駅.scsv
const wchar_t kListFontCaption[] = L"\u4e00\u89a7\u30d5\u30a9\u30f3\u30c8";  // 一覧フォント
constexpr int kFontSizeBox = 0x472;  // the font dialog's size box (cmb3)

RECT ClientRectOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// A drop-down list: no edit part to type into, and a click on its arrow opens a list
// that shows its items.
void ExpectDropDownList(AppProcess& app, HWND combo) {
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(GetWindowLongW(combo, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(FindWindowExW(combo, nullptr, L"Edit", nullptr), nullptr);
  const auto items = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  ASSERT_GT(items, 1);
  const RECT rect = WindowRect(combo);
  const LPARAM arrow = MAKELPARAM(rect.right - rect.left - 6, (rect.bottom - rect.top) / 2);
  // A click that reaches a window still being activated can have its list closed again
  // at once by the activation: click again until the list stays open.
  bool open = false;
  for (int attempt = 0; attempt < 5 && !open; ++attempt) {
    SetForegroundWindow(GetAncestor(combo, GA_ROOT));
    PostMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, arrow);
    PostMessageW(combo, WM_LBUTTONUP, 0, arrow);
    open = e2e::PollUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; },
                          e2e::Timeout{4000});
  }
  ASSERT_TRUE(open) << "the list did not open on a click on its arrow";
  HWND list = nullptr;
  for (HWND window : e2e::TopLevelWindows(app.id(), L"ComboLBox")) {
    if (IsWindowVisible(window)) list = window;
  }
  ASSERT_NE(list, nullptr);
  const auto item_height = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
  const RECT shown = WindowRect(list);
  EXPECT_GE(shown.bottom - shown.top, 2 * item_height) << "items: " << items;
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

class WindowTest : public e2e::ProgramTest {
 protected:
  std::unique_ptr<AppProcess> Start(const std::optional<std::string>& settings = std::nullopt) {
    e2e::ProgramSetup setup;
    setup.settings = settings;
    setup.data_files.push_back({e2e::SourceFile("demo/" + e2e::WideToUtf8(kDemoListName)), kDemoListName});
    auto app = e2e::ProgramTest::Start(Install(setup), {kDemoListName});
    app->WaitMainWindow();
    return app;
  }
};

// The grid fills the client area between the panel and the status bar, and the QSO box
// sits at the right edge.
void ExpectLaidOut(HWND window) {
  HWND grid = e2e::FindDescendant(window, L"SorvanoDrawGrid");
  HWND status = e2e::FindDescendant(window, L"msctls_statusbar32");
  HWND combo = e2e::FindDescendant(window, L"ComboBox");
  ASSERT_TRUE(grid && status && combo);
  const RECT client = ClientRectOnScreen(window);
  const RECT grid_rect = WindowRect(grid);
  const RECT status_rect = WindowRect(status);
  EXPECT_EQ(grid_rect.right, client.right);
  EXPECT_EQ(grid_rect.bottom, status_rect.top);
  EXPECT_EQ(status_rect.bottom, client.bottom);
  EXPECT_EQ(WindowRect(combo).right, client.right - 8);
}

TEST_F(WindowTest, MainWindowListsSizesAndPictures) {
  auto app = Start();
  HWND window = app->WaitMainWindow();
  // The list file started by its bare name is named in full, as after the open command.
  EXPECT_EQ(app->Caption(), "Sorvano Ver5.6b\xe3\x80\x80" + e2e::WideToUtf8(folder().PathOf(kDemoListName)));

  // The QSO box holds the first target's QSOs once the selection has been followed.
  HWND combo = e2e::FindDescendant(window, L"ComboBox");
  e2e::WaitFor("the QSOs of the first target",
               [&] { return SendMessageW(combo, CB_GETCOUNT, 0, 0) > 1; });
  ExpectDropDownList(*app, combo);
  ExpectLaidOut(window);
  EXPECT_TRUE(e2e::SavePicture(window, L"WindowTest-default.bmp"));

  // Tab goes from the grid to the line above it, then to the QSO box, then back.
  HWND grid = e2e::FindDescendant(window, L"SorvanoDrawGrid");
  HWND edit = e2e::FindDescendant(window, L"Edit");
  const auto focused = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
  };
  // The program gives the grid the focus back after the QSO box's list has closed.
  e2e::WaitFor("the focus back on the grid", [&] { return focused() == grid; });
  for (auto [from, to] : {std::pair{grid, edit}, std::pair{edit, combo}, std::pair{combo, grid}}) {
    PostMessageW(from, WM_KEYDOWN, VK_TAB, 1);
    e2e::WaitFor("Tab to the next control", [&] { return focused() == to; });
  }

  PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  e2e::WaitFor("the window maximised", [&] { return IsZoomed(window) != 0; });
  Sleep(500);
  ExpectLaidOut(window);
  EXPECT_TRUE(e2e::SavePicture(window, L"WindowTest-maximised.bmp"));

  // The least size keeps the menu, the line above the grid and a few rows usable.
  PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  e2e::WaitFor("the window restored", [&] { return IsZoomed(window) == 0; });
  SetWindowPos(window, nullptr, 0, 0, 112, 52, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Sleep(500);
  const RECT client = ClientRectOnScreen(window);
  EXPECT_GE(client.right - client.left, 400);
  EXPECT_GE(client.bottom - client.top, 150);
  ExpectLaidOut(window);
  EXPECT_TRUE(e2e::SavePicture(window, L"WindowTest-smallest.bmp"));

  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

TEST_F(WindowTest, TwentyPointFontsLeaveNoGapUnderTheGrid) {
  auto app = Start("[Font1]\r\nSize=20\r\n[Font2]\r\nSize=20\r\n");
  HWND window = app->WaitMainWindow();
  Sleep(500);
  ExpectLaidOut(window);
  EXPECT_TRUE(e2e::SavePicture(window, L"WindowTest-20points.bmp"));
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

TEST_F(WindowTest, TallyDialogListsArrowsAndFontDialog) {
  auto app = Start();
  app->PostCommand(app::kCmdS1);
  HWND dialog = nullptr;
  e2e::WaitFor("the tally dialog", [&] {
    for (HWND window : e2e::TopLevelWindows(app->id(), L"TSorvaB")) {
      if (IsWindowVisible(window)) dialog = window;
    }
    return dialog != nullptr;
  });
  ExpectDropDownList(*app, e2e::FindDescendant(dialog, L"ComboBox"));

  // The start record has up and down arrows that work its edit box.
  HWND arrows = e2e::FindDescendant(dialog, UPDOWN_CLASSW);
  ASSERT_NE(arrows, nullptr);
  HWND buddy = reinterpret_cast<HWND>(SendMessageW(arrows, UDM_GETBUDDY, 0, 0));
  ASSERT_NE(buddy, nullptr);
  EXPECT_EQ(e2e::ClassNameOf(buddy), L"Edit");
  EXPECT_TRUE(IsWindowVisible(arrows));
  EXPECT_TRUE(e2e::SavePicture(dialog, L"WindowTest-dialog.bmp"));

  // The list font button opens the font dialog on the list font: 12 points.
  HWND button = e2e::FindDescendant(dialog, L"Button", kListFontCaption);
  ASSERT_NE(button, nullptr);
  PostMessageW(button, BM_CLICK, 0, 0);
  HWND fonts = nullptr;
  e2e::WaitFor("the font dialog", [&] {
    for (HWND window : e2e::TopLevelWindows(app->id(), L"#32770")) {
      if (IsWindowVisible(window) && GetDlgItem(window, kFontSizeBox)) fonts = window;
    }
    return fonts != nullptr;
  });
  Sleep(1000);
  EXPECT_EQ(e2e::WindowTextUtf8(GetDlgItem(fonts, kFontSizeBox)), "12");
  EXPECT_TRUE(e2e::SavePicture(fonts, L"WindowTest-fonts.bmp"));
  PostMessageW(fonts, WM_COMMAND, IDCANCEL, 0);
  e2e::WaitFor("the font dialog closed", [&] { return !IsWindowVisible(fonts); });
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  e2e::WaitFor("the tally dialog closed", [&] { return !IsWindowVisible(dialog); });
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

}  // namespace
