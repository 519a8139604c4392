// Working the list through the real menus under Wine: the display filters and their
// status line, the two sorts and saving them, the area jump, the search box and find
// next, edit mode, and switching lists through the recent-file menus and removing one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "driver/app_process.h"
#include "driver/controls.h"
#include "driver/file_dialog.h"
#include "driver/held_shift.h"
#include "driver/poll.h"
#include "driver/screen_capture.h"
#include "driver/test_folder.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"
#include "program_test.h"

namespace {

using e2e::AppProcess;
using e2e::MessageBoxView;
using e2e::TestFolder;

constexpr int kRecords = 300;
// Area jump items are numbered through the area menus in order: 10 東京都 is the first,
// 08 新潟県 and 09 長野県 the last two.
constexpr int kJumpTokyo = app::kCmdJumpArea + 0;
constexpr int kJumpNagano = app::kCmdJumpArea + 46;

// A target of the generated list: worked when n is a multiple of 3, confirmed when a
// multiple of 5; three "Spa" targets; no code of prefecture 09.
struct Target {
  int n;
  std::string name, code, worked;
  std::string Shown() const { return "T-" + std::to_string(n) + "," + name + "," + code + ",Place"; }
  std::string Line() const { return Shown() + (worked.empty() ? "" : "," + worked); }
};

Target MakeTarget(int n) {
  Target target{n, (n % 100 == 50 ? "Spa resort " : "Station name ") + std::to_string(n), "", ""};
  int prefecture = 1 + n % 46;
  if (prefecture >= 9) ++prefecture;
  char code[16];
  std::snprintf(code, sizeof code, "%02d%03d", prefecture, n);
  target.code = code;
  if (n % 3 == 0) target.worked = "JA1AAA<" + std::to_string(n) + ">";
  if (n % 5 == 0) target.worked += (target.worked.empty() ? "" : ":") + std::string("JA2BBB(") + std::to_string(n) + ")";
  return target;
}

// The records in file order: numbers shuffled (7 n modulo 300), as a list grows by hand.
std::vector<Target> Targets() {
  std::vector<Target> targets;
  for (int k = 0; k < kRecords; ++k) targets.push_back(MakeTarget(k * 7 % kRecords + 1));
  return targets;
}

std::string ListText(const std::vector<Target>& targets) {
  std::string text = "No,Name,Code,Place,Worked,Award\r\n";
  for (const Target& target : targets) text += target.Line() + "\r\n";
  return text;
}

// A short list without any worked target.
std::string UnworkedList(const std::string& prefix) {
  std::string text = "No,Name,Code,Place,Worked,Award\r\n";
  for (int n = 1; n <= 20; ++n) text += prefix + std::to_string(n) + ",Name,10" + std::to_string(100 + n) + ",Place\r\n";
  return text;
}

// Award＝shown／all件 (UTF-8).
std::string Summary(int shown, int all = kRecords) {
  return "Award\xef\xbc\x9d" + std::to_string(shown) + "\xef\xbc\x8f" + std::to_string(all) + "\xe4\xbb\xb6";
}

class ListCommandsTest : public e2e::ProgramTest {
 protected:
  TestFolder& Folder() {
    e2e::ProgramSetup setup;
    TestFolder& folder = Install(setup);
    folder.Write(L"a.scsv", ListText(Targets()));
    folder.Write(L"b.scsv", UnworkedList("B-"));
    folder.Write(L"c.scsv", UnworkedList("C-"));
    return folder;
  }

  std::unique_ptr<AppProcess> StartOn(const std::wstring& list) {
    auto app = e2e::ProgramTest::Start(folder(), {folder().PathOf(list)});
    app->WaitMainWindow();
    return app;
  }

  static void WaitStatus(AppProcess& app, const std::string& text) {
    // The summary, whatever the status bar puts around it.
    e2e::WaitFor("the status line " + text, [&] {
      return e2e::StatusBarText(app.WaitMainWindow()).find(text) != std::string::npos;
    });
  }

  // The line above the grid: the edit box of the top panel (the only static child).
  static HWND Edit2(AppProcess& app) {
    HWND panel = FindWindowExW(app.WaitMainWindow(), nullptr, L"Static", nullptr);
    return panel ? FindWindowExW(panel, nullptr, L"Edit", nullptr) : nullptr;
  }
  static void WaitCurrent(AppProcess& app, const std::string& shown) {
    e2e::WaitFor("the current target " + shown, [&] { return e2e::WindowTextUtf8(Edit2(app)) == shown; });
  }
  static void SetText(HWND edit, const std::string& text) {
    const std::wstring wide = e2e::Utf8ToWide(text);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }

  // A message box other than `previous`, answered with `button`; its text.
  static std::string Answer(AppProcess& app, int button, std::string* caption = nullptr) {
    const MessageBoxView box = app.WaitMessageBox();
    const std::string text = box.Text();
    if (caption) *caption = box.Caption();
    box.Press(button);
    e2e::WaitFor("the box gone", [&] { return !IsWindowVisible(box.handle()); });
    return text;
  }

  // The search box: the group box captioned 検索.
  static HWND SearchBox(AppProcess& app) {
    return e2e::FindDescendant(app.WaitMainWindow(), L"Button", L"\u691c\u7d22");
  }
};

TEST_F(ListCommandsTest, FiltersSortsAndSavedOrder) {
  TestFolder& folder = Folder();
  auto app = StartOn(L"a.scsv");
  WaitStatus(*app, Summary(140));
  struct Step {
    int command;
    int shown;  // -1: all rows again
  };
  const Step steps[] = {{app::kCmdN8, 60}, {app::kCmdN8, -1}, {app::kCmdN7, 160},
                        {app::kCmdN10, 240}, {app::kCmdN6, 140}, {app::kCmdN6, -1}};
  for (const Step& step : steps) {
    app->PostCommand(step.command);
    WaitStatus(*app, Summary(step.shown < 0 ? 140 : step.shown));
  }

  // The grid filtered, with the search box open over it: for a person to look at.
  app->PostCommand(app::kCmdN10);
  WaitStatus(*app, Summary(240));
  app->PostCommand(app::kCmdFind1);
  e2e::WaitFor("the search box", [&] { return IsWindowVisible(SearchBox(*app)) != 0; });
  Sleep(500);  // drawn
  EXPECT_TRUE(e2e::SavePicture(app->WaitMainWindow(), L"ListCommandsTest-filtered-search.bmp"));
  PostMessageW(e2e::FindButton(SearchBox(*app), L"\u30ad\u30e3\u30f3\u30bb\u30eb"), BM_CLICK, 0, 0);  // キャンセル
  e2e::WaitFor("the search box closed", [&] { return !IsWindowVisible(SearchBox(*app)); });

  // Sorting while filtered: the rows still show only unconfirmed targets.
  app->PostCommand(app::kCmdN16);
  app->PostCommand(app::kCmdSave1);
  std::vector<Target> by_number = Targets();
  std::sort(by_number.begin(), by_number.end(), [](const Target& a, const Target& b) { return a.n < b.n; });
  e2e::WaitFor("the list saved by number", [&] { return folder.Read(L"a.scsv") == ListText(by_number); });
  WaitStatus(*app, Summary(240));

  app->PostCommand(app::kCmdJCG1);
  // Unsaved again: closing asks.
  app->Close();
  std::string caption;
  Answer(*app, IDCANCEL, &caption);
  EXPECT_EQ(caption, "Sorvano");
  app->PostCommand(app::kCmdSave1);
  std::vector<Target> by_code = Targets();
  std::stable_sort(by_code.begin(), by_code.end(), [](const Target& a, const Target& b) { return a.code < b.code; });
  e2e::WaitFor("the list saved by code", [&] { return folder.Read(L"a.scsv") == ListText(by_code); });
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);

  auto again = StartOn(L"a.scsv");
  WaitCurrent(*again, by_code.front().Shown());
  again->Close();
  EXPECT_EQ(again->WaitExit(), 0u);
  EXPECT_EQ(folder.Read(L"a.scsv"), ListText(by_code));
}

TEST_F(ListCommandsTest, AreaJumpFindAndEditMode) {
  TestFolder& folder = Folder();
  std::vector<Target> targets = Targets();
  auto app = StartOn(L"a.scsv");
  WaitCurrent(*app, targets.front().Shown());

  app->PostCommand(kJumpTokyo);
  const auto tokyo = std::find_if(targets.begin(), targets.end(), [](const Target& t) { return t.code.starts_with("10"); });
  WaitCurrent(*app, tokyo->Shown());
  app->PostCommand(kJumpNagano);
  std::string caption;
  const std::string text = Answer(*app, IDOK, &caption);
  EXPECT_EQ(caption, "09 \xe9\x95\xb7\xe9\x87\x8e\xe7\x9c\x8c");  // 09 長野県
  EXPECT_TRUE(text.starts_with("Korvax == 09 ")) << text;
  WaitCurrent(*app, tokyo->Shown());

  // Ctrl+F, a text, OK: the first Spa target; F3 steps on and wraps.
  std::vector<const Target*> spas;
  for (const Target& target : targets) {
    if (target.name.starts_with("Spa")) spas.push_back(&target);
  }
  ASSERT_EQ(spas.size(), 3u);
  app->PostCommand(app::kCmdFind1);
  e2e::WaitFor("the search box", [&] { return IsWindowVisible(SearchBox(*app)) != 0; });
  SetText(FindWindowExW(SearchBox(*app), nullptr, L"Edit", nullptr), "Spa");
  PostMessageW(e2e::FindButton(SearchBox(*app), L"OK"), BM_CLICK, 0, 0);
  WaitCurrent(*app, spas[0]->Shown());
  HWND grid = FindWindowExW(app->WaitMainWindow(), nullptr, L"SorvanoDrawGrid", nullptr);
  ASSERT_NE(grid, nullptr);
  for (int step = 1; step <= 3; ++step) {
    // F3, as the key reaches the program.
    PostMessageW(grid, WM_KEYDOWN, VK_F3, 0x003D0001);
    PostMessageW(grid, WM_KEYUP, VK_F3, 0xC03D0001);
    WaitCurrent(*app, spas[static_cast<size_t>(step % 3)]->Shown());
  }

  // Edit mode on the first Spa target: add after it, modify it, delete it after a No.
  app->PostCommand(app::kCmdN5);
  e2e::WaitFor("Edit2 editable", [&] { return (GetWindowLongW(Edit2(*app), GWL_STYLE) & ES_READONLY) == 0; });
  SetText(Edit2(*app), "999,New station,99999,Town");
  app->PostCommand(app::kCmdA1);
  EXPECT_TRUE(Answer(*app, IDYES).starts_with("999,New station,99999,Town"));
  SetText(Edit2(*app), "T-50,Spa renamed,01050,Place");
  app->PostCommand(app::kCmdE1);
  EXPECT_TRUE(Answer(*app, IDYES).starts_with(spas[0]->Line()));
  const auto spa = std::find_if(targets.begin(), targets.end(), [&](const Target& t) { return t.n == spas[0]->n; });
  const size_t spa_index = static_cast<size_t>(spa - targets.begin());
  // Delete the next Spa target: No first, then Yes.
  app->PostCommand(app::kCmdFindNext1);  // from the modified record to the next Spa
  WaitCurrent(*app, spas[1]->Shown());
  app->PostCommand(app::kCmdD1);
  Answer(*app, IDNO);
  app->PostCommand(app::kCmdD1);
  Answer(*app, IDYES);
  app->PostCommand(app::kCmdW1);
  app->PostCommand(app::kCmdSave1);

  std::string expected = "No,Name,Code,Place,Worked,Award\r\n";
  for (size_t n = 0; n < targets.size(); ++n) {
    if (targets[n].n == spas[1]->n) continue;
    expected += (n == spa_index ? std::string("T-50,Spa renamed,01050,Place") : targets[n].Shown()) + "\r\n";
    if (n == spa_index) expected += "999,New station,99999,Town\r\n";
  }
  e2e::WaitFor("the edited list saved", [&] { return folder.Read(L"a.scsv") == expected; });
  WaitStatus(*app, Summary(0));
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

TEST_F(ListCommandsTest, RecentFilesSwitchListsAndAreKept) {
  TestFolder& folder = Folder();
  auto app = StartOn(L"a.scsv");
  for (const wchar_t* name : {L"b.scsv", L"c.scsv"}) {
    app->PostCommand(app::kCmdO1);
    const MessageBoxView dialog = app->WaitMessageBox();
    e2e::EnterFileName(dialog.handle(), folder.PathOf(name));
    e2e::WaitFor("the caption naming the list",
                 [&] { return app->Caption().ends_with(e2e::WideToUtf8(name)); });
  }
  // Recent: 1 b, 2 a. The short button of a goes back to it.
  app->PostCommand(app::kCmdFX0 + 2);
  e2e::WaitFor("back on a", [&] { return app->Caption().ends_with("a.scsv"); });
  WaitStatus(*app, Summary(140));
  // Recent: 1 c, 2 b. The File menu item of b.
  app->PostCommand(app::kCmdFF0 + 2);
  e2e::WaitFor("back on b", [&] { return app->Caption().ends_with("b.scsv"); });
  WaitStatus(*app, Summary(0, 20));

  // Shift+click on the File menu item of c (position 2): c leaves the menus, b stays
  // open. The filter's box below comes after the click, so the click has been handled
  // when it shows. Nothing worked on b: the filter says so and shows all rows.
  const std::string not_found =
      "\xe4\xba\xa4\xe4\xbf\xa1\xe6\xb8\x88\xe3\x81\xbf\xe3\x81\xae\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf"
      "\xe3\x81\x8c\xe8\xa6\x8b\xe3\x81\xa4\xe3\x81\x8b\xe3\x82\x8a\xe3\x81\xbe\xe3\x81\x9b\xe3\x82\x93\xef\xbc\x81";  // 交信済みのデータが見つかりません！
  {
    const e2e::HeldShift shift(app->WaitMainWindow());
    app->PostCommand(app::kCmdFF0 + 2);
    app->PostCommand(app::kCmdN6);
    EXPECT_EQ(Answer(*app, IDOK), not_found);
  }
  EXPECT_TRUE(app->Caption().ends_with("b.scsv"));
  WaitStatus(*app, Summary(0, 20));
  // Position 2 is empty now: its short button does nothing.
  app->PostCommand(app::kCmdFX0 + 2);
  app->PostCommand(app::kCmdN6);
  EXPECT_EQ(Answer(*app, IDOK), not_found);
  EXPECT_TRUE(app->Caption().ends_with("b.scsv"));

  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
  const std::optional<std::string> settings = folder.Read(L"Sorvano.ini");
  ASSERT_TRUE(settings.has_value());
  const std::string expected = "[fHist]\r\nFF1=" + e2e::WideToCp932(folder.PathOf(L"a.scsv")) + "\r\n";
  EXPECT_NE(settings->find(expected), std::string::npos) << *settings;
  EXPECT_EQ(settings->find("FF2="), std::string::npos) << *settings;
}

}  // namespace
