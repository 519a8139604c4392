// The about dialog's version check and download, and the Help menu, under Wine against a
// local web server (tests/e2e/http/version_server.py, started by run_e2e.sh, which puts
// its port in SORVANO_E2E_HTTP_PORT). The program reads the version page named by
// SORVANO_TEST_VERSION_PAGE and writes what the shell was asked to open into the file
// named by SORVANO_TEST_SHELL_LOG.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

#include <commctrl.h>

namespace {

using e2e::AppProcess;
using e2e::MessageBoxView;
using e2e::TestFolder;

const std::wstring kDemoListName = L"\u9053\u306e\u99c5.scsv";  // 道の駅.scsv
constexpr int kCmdHelp1 = app::kCmdHelp + 0;
constexpr int kCmdGo1 = app::kCmdHelp + 1;
constexpr int kCmdAbout1 = app::kCmdHelp + 8;

const wchar_t kCheckCaption[] = L"\u6700\u65b0\u30d0\u30fc\u30b8\u30e7\u30f3\u306e\u78ba\u8a8d";  // 最新バージョンの確認
const wchar_t kDownloadCaption[] = L"\u30c0\u30a6\u30f3\u30ed\u30fc\u30c9\u958b\u59cb";  // ダウンロード開始
// 最新バージョンが見つかりました！ / 最新バージョンは見つかりませんでした。
const std::string kNewerFound = "\xe6\x9c\x80\xe6\x96\xb0\xe3\x83\x90\xe3\x83\xbc\xe3\x82\xb8\xe3\x83\xa7\xe3\x83\xb3\xe3\x81\x8c\xe8\xa6\x8b\xe3\x81\xa4\xe3\x81\x8b\xe3\x82\x8a\xe3\x81\xbe\xe3\x81\x97\xe3\x81\x9f\xef\xbc\x81";
const std::string kNoNewer = "\xe6\x9c\x80\xe6\x96\xb0\xe3\x83\x90\xe3\x83\xbc\xe3\x82\xb8\xe3\x83\xa7\xe3\x83\xb3\xe3\x81\xaf\xe8\xa6\x8b\xe3\x81\xa4\xe3\x81\x8b\xe3\x82\x8a\xe3\x81\xbe\xe3\x81\x9b\xe3\x82\x93\xe3\x81\xa7\xe3\x81\x97\xe3\x81\x9f\xe3\x80\x82";
// サーバーが見つからないか、DNS エラーです。
const std::string kServerNotFound = "\xe3\x82\xb5\xe3\x83\xbc\xe3\x83\x90\xe3\x83\xbc\xe3\x81\x8c\xe8\xa6\x8b\xe3\x81\xa4\xe3\x81\x8b\xe3\x82\x89\xe3\x81\xaa\xe3\x81\x84\xe3\x81\x8b\xe3\x80\x81" "DNS \xe3\x82\xa8\xe3\x83\xa9\xe3\x83\xbc\xe3\x81\xa7\xe3\x81\x99\xe3\x80\x82";
// ダウンロード情報が見つかりません！
const std::string kNoDownloadInfo = "\xe3\x83\x80\xe3\x82\xa6\xe3\x83\xb3\xe3\x83\xad\xe3\x83\xbc\xe3\x83\x89\xe6\x83\x85\xe5\xa0\xb1\xe3\x81\x8c\xe8\xa6\x8b\xe3\x81\xa4\xe3\x81\x8b\xe3\x82\x8a\xe3\x81\xbe\xe3\x81\x9b\xe3\x82\x93\xef\xbc\x81";
// ダウンロードできませんでした。
const std::string kDownloadFailed = "\xe3\x83\x80\xe3\x82\xa6\xe3\x83\xb3\xe3\x83\xad\xe3\x83\xbc\xe3\x83\x89\xe3\x81\xa7\xe3\x81\x8d\xe3\x81\xbe\xe3\x81\x9b\xe3\x82\x93\xe3\x81\xa7\xe3\x81\x97\xe3\x81\x9f\xe3\x80\x82";
// インストールを開始しますか？
const std::string kStartInstall = "\xe3\x82\xa4\xe3\x83\xb3\xe3\x82\xb9\xe3\x83\x88\xe3\x83\xbc\xe3\x83\xab\xe3\x82\x92\xe9\x96\x8b\xe5\xa7\x8b\xe3\x81\x97\xe3\x81\xbe\xe3\x81\x99\xe3\x81\x8b\xef\xbc\x9f";

// The installer the server sends: bytes 0..255, forty times.
std::string Installer() {
  std::string bytes;
  for (int round = 0; round < 40; ++round) {
    for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
  }
  return bytes;
}

std::wstring Environment(const wchar_t* name) {
  wchar_t value[256] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 256);
  return length > 0 && length < 256 ? std::wstring(value, length) : std::wstring();
}

class UpdateTest : public e2e::ProgramTest {
 protected:
  void SetUp() override {
    port_ = Environment(L"SORVANO_E2E_HTTP_PORT");
    ASSERT_FALSE(port_.empty()) << "SORVANO_E2E_HTTP_PORT is not set: run through run_e2e.sh";
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"SORVANO_TEST_VERSION_PAGE", nullptr);
    SetEnvironmentVariableW(L"SORVANO_TEST_SHELL_LOG", nullptr);
    e2e::ProgramTest::TearDown();
  }

  std::string PageUrl(const std::string& server_case) const {
    return "http://127.0.0.1:" + e2e::WideToUtf8(port_) + "/" + server_case + "/vep/usdown.html";
  }

  // The program installed with the demo list, started against the server's `server_case`.
  std::unique_ptr<AppProcess> StartFor(const std::string& server_case, const std::wstring& list = kDemoListName,
                                       const std::string& list_bytes = "") {
    e2e::ProgramSetup setup;
    if (list_bytes.empty()) {
      setup.data_files.push_back({e2e::SourceFile("demo/\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85.scsv"), list});
    }
    TestFolder& folder = Install(setup);
    if (!list_bytes.empty()) folder.Write(list, list_bytes);
    SetEnvironmentVariableW(L"SORVANO_TEST_VERSION_PAGE", e2e::Utf8ToWide(PageUrl(server_case)).c_str());
    SetEnvironmentVariableW(L"SORVANO_TEST_SHELL_LOG", folder.PathOf(L"shell.log").c_str());
    auto app = Start(folder, {folder.PathOf(list)});
    app->WaitMainWindow();
    return app;
  }

  // Opens the about dialog and returns it.
  static HWND OpenAbout(AppProcess& app) {
    app.PostCommand(kCmdAbout1);
    HWND dialog = nullptr;
    e2e::WaitFor("the about dialog", [&] {
      for (HWND window : e2e::TopLevelWindows(app.id(), L"TAbForm")) {
        if (IsWindowVisible(window)) dialog = window;
      }
      return dialog != nullptr;
    });
    return dialog;
  }

  static HWND Button(HWND dialog, const wchar_t* caption) {
    HWND button = nullptr;
    e2e::WaitFor("the button " + e2e::WideToUtf8(caption),
                 [&] { return (button = e2e::FindDescendant(dialog, L"Button", caption)) != nullptr; });
    return button;
  }

  // Posted: the click shows modal boxes before it returns.
  static void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

  // Checks, and waits until the dialog offers the download.
  static HWND CheckUntilOffered(AppProcess& app) {
    HWND dialog = OpenAbout(app);
    Click(Button(dialog, kCheckCaption));
    Button(dialog, kDownloadCaption);
    return dialog;
  }

  static void ExpectBox(AppProcess& app, const std::string& text, const std::string& caption) {
    MessageBoxView box = app.WaitMessageBox();
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(box.Caption(), caption);
    box.Press(IDOK);
  }

  // The about dialog is gone and the main window is still up.
  static void ExpectDialogClosed(AppProcess& app) {
    e2e::WaitFor("the about dialog to close", [&] {
      for (HWND window : e2e::TopLevelWindows(app.id(), L"TAbForm")) {
        if (IsWindowVisible(window)) return false;
      }
      return true;
    });
    EXPECT_FALSE(app.HasExited());
  }

  // Accepts the folder dialog once its tree has stopped walking: the selection walks
  // from the first item to the folder the dialog opens at after it shows, and on a busy
  // machine Wine's dialog sometimes settles on another folder (so the tests check the
  // files wherever they went, and which folder the dialog is asked to open at is a unit
  // test's matter).
  static void ChooseOfferedFolder(AppProcess& app) {
    MessageBoxView browse = app.WaitMessageBox();
    HWND tree = nullptr;
    e2e::WaitFor("the folder dialog's tree", [&] {
      return (tree = e2e::FindDescendant(browse.handle(), L"SysTreeView32")) != nullptr;
    });
    LRESULT last = 0;
    auto since = std::chrono::steady_clock::now();
    e2e::WaitFor("the folder dialog's tree standing still", [&] {
      const LRESULT root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
      const LRESULT selected = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
      const auto now = std::chrono::steady_clock::now();
      if (selected != last) {
        last = selected;
        since = now;
      }
      return selected != 0 && selected != root && now - since > std::chrono::milliseconds(2000);
    });
    browse.Press(IDOK);
  }

  std::string ShellLog() { return folder().Read(L"shell.log").value_or(""); }

  std::wstring port_;
};

TEST_F(UpdateTest, CheckReadsTheBuildFromThePage) {
  struct Case {
    const char* server_case;
    const std::string& headline;
  };
  for (const Case& c : {Case{"newer", kNewerFound}, Case{"same", kNoNewer}}) {
    SCOPED_TRACE(c.server_case);
    auto app = StartFor(c.server_case);
    HWND dialog = CheckUntilOffered(*app);
    HWND result = nullptr;
    e2e::WaitFor("the check's result", [&] {
      for (HWND label = FindWindowExW(dialog, nullptr, L"Static", nullptr); label != nullptr;
           label = FindWindowExW(dialog, label, L"Static", nullptr)) {
        if (IsWindowVisible(label) && e2e::WindowTextUtf8(label).starts_with(c.headline)) result = label;
      }
      return result != nullptr && e2e::WindowTextUtf8(result).starts_with(c.headline);
    });
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.bottom, 232);
    if (std::string(c.server_case) == "newer") e2e::SavePicture(dialog, L"UpdateTest-about-after-check.bmp");
    Click(Button(dialog, L"OK"));
    ExpectDialogClosed(*app);
    app->Close();
    EXPECT_EQ(app->WaitExit(), 0u);
  }
}

TEST_F(UpdateTest, FailedChecksSayWhyAndCloseTheDialog) {
  struct Case {
    const char* server_case;
    const std::string& message;
  };
  const Case cases[] = {
      {"early", kNoDownloadInfo},
      {"unauthorized", kServerNotFound},
      {"missing", kServerNotFound},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.server_case);
    auto app = StartFor(c.server_case);
    HWND dialog = OpenAbout(*app);
    Click(Button(dialog, kCheckCaption));
    ExpectBox(*app, c.message, PageUrl(c.server_case));
    ExpectDialogClosed(*app);
    app->Close();
    EXPECT_EQ(app->WaitExit(), 0u);
  }
}

TEST_F(UpdateTest, ASlowPageKeepsTheDialogLive) {
  auto app = StartFor("slow");
  HWND dialog = OpenAbout(*app);
  HWND check = Button(dialog, kCheckCaption);
  Click(check);
  // While the page trickles in, the dialog answers at once and the button stays off.
  e2e::WaitFor("the check button to go off", [&] { return !IsWindowEnabled(check); });
  for (int probe = 0; probe < 5; ++probe) {
    const auto started = std::chrono::steady_clock::now();
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1000));
    Sleep(300);
  }
  EXPECT_FALSE(IsWindowEnabled(check));
  Button(dialog, kDownloadCaption);
  Click(Button(dialog, L"OK"));
  ExpectDialogClosed(*app);
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

TEST_F(UpdateTest, BadLinksAndCutDownloadsLeaveNothingBehind) {
  struct Case {
    const char* server_case;
    bool folder_dialog;
    const std::string& message;
  };
  const Case cases[] = {
      {"nolink", false, kNoDownloadInfo},
      {"evil", false, kNoDownloadInfo},
      {"device", false, kNoDownloadInfo},
      {"cut", true, kDownloadFailed},
      {"nolength", true, kDownloadFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.server_case);
    auto app = StartFor(c.server_case);
    HWND dialog = CheckUntilOffered(*app);
    Click(Button(dialog, kDownloadCaption));
    if (c.folder_dialog) ChooseOfferedFolder(*app);
    ExpectBox(*app, c.message, "KORVAX/Win");
    ExpectDialogClosed(*app);
    EXPECT_FALSE(folder().Read(L"sorva57.exe"));
    EXPECT_FALSE(folder().Read(L"sorva57.exe.part"));
    EXPECT_FALSE(folder().Read(L"CON"));
    app->Close();
    EXPECT_EQ(app->WaitExit(), 0u);
    const std::string settings = folder().Read(L"Sorvano.ini").value_or("");
    EXPECT_EQ(settings.find("DownDir"), std::string::npos);
    EXPECT_TRUE(ShellLog().empty());
  }
}

TEST_F(UpdateTest, AGoodDownloadIsOpenedAndTheProgramEnds) {
  auto app = StartFor("newer");
  HWND dialog = CheckUntilOffered(*app);
  Click(Button(dialog, kDownloadCaption));
  ChooseOfferedFolder(*app);
  MessageBoxView question = app->WaitMessageBox();
  EXPECT_EQ(question.Text(), kStartInstall);
  EXPECT_EQ(question.Caption(), "KORVAX/Win");
  question.Press(IDYES);
  EXPECT_EQ(app->WaitExit(), 0u);

  // Wine's folder dialog walks its tree to the folder it opens at, and on a busy machine
  // it sometimes settles elsewhere: check the download wherever it was put (which
  // folder the dialog opens at is a unit test's matter).
  const std::string opened = ShellLog();
  ASSERT_GT(opened.size(), 2u);
  ASSERT_EQ(opened.substr(opened.size() - 2), "\r\n");
  const std::filesystem::path installer(e2e::Utf8ToWide(opened.substr(0, opened.size() - 2)));
  EXPECT_EQ(installer.filename().wstring(), L"sorva57.exe");
  std::ifstream in(installer, std::ios::binary);
  const std::string downloaded{std::istreambuf_iterator<char>(in), {}};
  in.close();
  EXPECT_TRUE(downloaded == Installer());
  EXPECT_FALSE(std::filesystem::exists(installer.wstring() + L".part"));
  const std::string settings = folder().Read(L"Sorvano.ini").value_or("");
  EXPECT_NE(settings.find("DownDir=" + e2e::WideToUtf8(installer.parent_path().wstring()) + "\r\n"),
            std::string::npos)
      << settings;
  if (installer.parent_path() != std::filesystem::path(folder().path())) {
    std::error_code ignored;
    std::filesystem::remove(installer, ignored);
  }
}

TEST_F(UpdateTest, HelpMenuOpensTheHelpPageAndTheWebSearch) {
  // F1 opens the help page beside the program; the search goes out for the current
  // target, a roadside station ("□" number) here.
  auto app = StartFor("newer");
  HWND window = app->WaitMainWindow();
  HWND edit = e2e::FindDescendant(window, L"Edit");
  e2e::WaitFor("the current target above the grid", [&] { return !e2e::WindowTextUtf8(edit).empty(); });
  PostMessageW(window, WM_KEYDOWN, VK_F1, 1);
  e2e::WaitFor("the help page to be opened", [&] { return !ShellLog().empty(); });
  app->PostCommand(kCmdGo1);
  const std::string help = e2e::WideToUtf8(folder().PathOf(L"sorvano.html"));
  const std::string search = "https://www.google.com/search?q=%e9%81%93%e3%81%ae%e9%a7%85%e6%9f%b3%e6%b4%a5";  // 道の駅柳津
  e2e::WaitFor("the web search", [&] { return ShellLog() == help + "\r\n" + search + "\r\n"; });
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

TEST_F(UpdateTest, WebSearchForAnotherTargetJoinsPlaceAndName) {
  std::string list = "No,Name,Code,Place,Worked,Award\r\n";
  for (int n = 1; n <= 20; ++n) list += "A-" + std::to_string(n) + ",Onsen " + std::to_string(n) + ",0102,Hakone Town\r\n";
  auto app = StartFor("newer", L"onsen.scsv", list);
  HWND window = app->WaitMainWindow();
  HWND edit = e2e::FindDescendant(window, L"Edit");
  e2e::WaitFor("the current target above the grid", [&] { return !e2e::WindowTextUtf8(edit).empty(); });
  app->PostCommand(kCmdGo1);
  e2e::WaitFor("the web search", [&] {
    return ShellLog() == "https://www.google.com/search?q=Hakone+Town+Onsen+1\r\n";
  });
  app->PostCommand(kCmdHelp1);
  e2e::WaitFor("the help page", [&] { return ShellLog().ends_with("sorvano.html\r\n"); });
  app->Close();
  EXPECT_EQ(app->WaitExit(), 0u);
}

}  // namespace
