// The about dialog over the headless backend and a scripted HTTP client, driven through
// the main window's about command as the operator's clicks would.
#include <filesystem>
#include <functional>

#include "headless/fake_http_down.h"
#include "support/station_fixture.h"
#include "ui/message_box.h"
#include "update/about/ab_form.h"
#include "update/update_texts.h"
#include "update/web_pages.h"

namespace {

const std::string kPageUrl(update::kWebPages[update::kVersionPageEntry]);

// A version page: 120 bytes of preamble (so the marker stands after byte 100), the
// build and, unless empty, the installer's link.
std::string VersionPage(const std::string& build, const std::string& link = "soft/sorva57.exe") {
  std::string page = "<html><head><title>download</title></head>\n<body>\n" + std::string(70, '-') + "\n";
  page += "<p>Sorvano (" + build + ")</p>\n";
  if (!link.empty()) page += "<a href=\"" + link + "\">download</a>\n";
  return page + "</body></html>\n";
}

class AboutFormTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    backend().http_down_factory = headless::FakeHttpFactory(http_);
    WriteFile(Path("list.scsv"), ListText(20));
    Start({Path("list.scsv")});
    download_folder_ = Path("dl");
    std::filesystem::create_directory(download_folder_);
  }

  // Runs the about command; `work` clicks in the shown dialog.
  void RunAbout(const std::function<void(TAbForm&)>& work) {
    backend().on_modal_loop = [&](ui::WidgetId id) {
      auto* dialog = dynamic_cast<TAbForm*>(backend().At(id).owner);
      ASSERT_NE(dialog, nullptr);
      dialog_result_ = -1;
      work(*dialog);
      if (dialog->Visible()) dialog->Close();
      dialog_result_ = dialog->ModalResult;
    };
    station_->About1->Click();
  }

  // The check, answered with `page`, then the download, answered with `download`.
  void CheckThenDownload(const std::string& page, const headless::FakeHttpAnswer& download) {
    http_.answers.clear();
    http_.answers.push_back({update::kFetchOk, page, nullptr});
    http_.answers.push_back(download);
    RunAbout([&](TAbForm& dialog) {
      dialog.Speed1.Click();
      if (dialog.Speed1.Tag == 1) dialog.Speed1.Click();
    });
  }

  headless::FakeHttpScript http_;
  std::string download_folder_;
  int dialog_result_ = -1;
};

TEST_F(AboutFormTest, ShowsVersionAndBuild) {
  RunAbout([](TAbForm& dialog) {
    EXPECT_EQ(dialog.Caption(), update::kTextAboutCaption);
    EXPECT_EQ(dialog.Label1.Caption(), "Sorvano Ver5.6b\x81@\r\x81@Build\x81" "F2021/01/28");
    EXPECT_EQ(dialog.ClientRect().height, TAbForm::kClientHeight);
    EXPECT_FALSE(dialog.Prog1.Visible());
    EXPECT_FALSE(dialog.Label2.Visible());
    dialog.BitBtn1.Click();
  });
  EXPECT_EQ(dialog_result_, ui::kIdOk);
  EXPECT_EQ(http_.slot, 1);
  EXPECT_FALSE(backend().terminated);
}

TEST_F(AboutFormTest, CheckFindsTheBuildAndOffersTheDownload) {
  struct Case {
    std::string build;
    const char* headline;
  };
  for (const Case& c : {Case{"2021/02/15", update::kTextNewerFound}, Case{"2021/01/28", update::kTextNoNewer}}) {
    SCOPED_TRACE(c.build);
    http_.answers.push_back({update::kFetchOk, VersionPage(c.build), nullptr});
    RunAbout([&](TAbForm& dialog) {
      dialog.Speed1.Click();
      EXPECT_TRUE(dialog.Visible());
      EXPECT_EQ(dialog.ModalResult, 0);
      EXPECT_EQ(dialog.Speed1.Tag, 1);
      EXPECT_EQ(dialog.Speed1.Caption(), update::kTextDownloadButton);
      EXPECT_EQ(dialog.ClientRect().height, TAbForm::kGrownClientHeight);
      EXPECT_TRUE(dialog.Label2.Visible());
      EXPECT_TRUE(dialog.Label2.Caption().starts_with(c.headline));
      EXPECT_NE(dialog.Label2.Caption().find(c.build), std::string::npos);
      dialog.BitBtn1.Click();
    });
    EXPECT_EQ(http_.requests.back().url, kPageUrl);
    EXPECT_FALSE(http_.requests.back().to_file);
  }
  EXPECT_TRUE(backend().message_boxes.empty());
}

TEST_F(AboutFormTest, FailedChecksCloseTheDialogWithTheirMessage) {
  struct Case {
    const char* name;
    int result;
    std::string page;
    const char* message;
  };
  const Case cases[] = {
      {"no answer", update::kFetchFailed, "", update::kTextServerNotFound},
      {"401", update::kFetchUnauthorized, "", update::kTextServerNotFound},
      {"marker before byte 100", update::kFetchOk, "<p>(2021/02/15)</p>" + std::string(200, ' '),
       update::kTextNoDownloadInfo},
      {"short page", update::kFetchOk, "(2021/02/15)", update::kTextNoDownloadInfo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    backend().message_boxes.clear();
    http_.answers.push_back({c.result, c.page, nullptr});
    RunAbout([](TAbForm& dialog) {
      dialog.Speed1.Click();
      EXPECT_FALSE(dialog.Visible());
    });
    EXPECT_EQ(dialog_result_, ui::kIdCancel);
    ASSERT_EQ(backend().message_boxes.size(), 1u);
    EXPECT_EQ(backend().message_boxes[0].text, c.message);
    EXPECT_EQ(backend().message_boxes[0].caption, kPageUrl);
    EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconError);
    EXPECT_FALSE(backend().terminated);
  }
}

TEST_F(AboutFormTest, DownloadStartsTheInstallerAndClosesTheMainWindow) {
  backend().folder_dialog_answers.push_back(download_folder_ + "/");
  backend().message_box_answers.push_back(ui::kIdYes);
  http_.answers.push_back({update::kFetchOk, VersionPage("2021/02/15", "soft/sorvano_setup_57b.exe"), nullptr});
  http_.answers.push_back({update::kFetchOk, std::string("MZ\0installer", 12), nullptr});
  std::vector<int> positions;
  RunAbout([&](TAbForm& dialog) {
    dialog.Speed1.Click();
    http_.answers.back().during = [&] {
      positions.push_back(dialog.Prog1.Position());
      EXPECT_TRUE(dialog.Prog1.Visible());
    };
    dialog.Speed1.Click();
    EXPECT_FALSE(dialog.Prog1.Visible());
    EXPECT_EQ(dialog.Prog1.Position(), 100);
  });
  EXPECT_EQ(positions, std::vector<int>{0});
  EXPECT_EQ(dialog_result_, ui::kIdYes);

  // The full name is fetched, the first 16 bytes of it name the file.
  const std::string local = download_folder_ + "/sorvano_setup_57";
  EXPECT_EQ(http_.requests.back().url, "https://www.korvax-soft.example/vep/soft/sorvano_setup_57b.exe");
  EXPECT_TRUE(http_.requests.back().to_file);
  EXPECT_EQ(http_.requests.back().text, local);
  EXPECT_EQ(ReadFile(local), std::string("MZ\0installer", 12));
  // The folder dialog opened at the program's folder.
  EXPECT_EQ(backend().folder_dialogs, std::vector<std::string>{folder_.path().string()});
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(backend().message_boxes[0].text, update::kTextStartInstall);
  EXPECT_EQ(backend().message_boxes[0].caption, "KORVAX/Win");
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbYesNo | ui::kMbIconQuestion);
  EXPECT_EQ(backend().shell_opens, std::vector<std::string>{local});
  EXPECT_TRUE(backend().terminated);
  EXPECT_TRUE(backend().terminated);
  ui::Application().DestroyForms();
  EXPECT_NE(Settings().find("DownDir=" + download_folder_ + "\r\n"), std::string::npos);
}

TEST_F(AboutFormTest, AnsweringNoKeepsTheMainWindowAndTheFile) {
  ui::Application().DestroyForms();
  WriteSettings("[Main]\r\nDownDir=" + download_folder_ + "\r\n");
  Start({Path("list.scsv")});
  backend().folder_dialog_answers.push_back(download_folder_ + "/");
  backend().message_box_answers.push_back(ui::kIdNo);
  CheckThenDownload(VersionPage("2021/02/15"), {update::kFetchOk, "MZ", nullptr});
  EXPECT_EQ(dialog_result_, ui::kIdCancel);
  EXPECT_EQ(backend().folder_dialogs, std::vector<std::string>{download_folder_});
  EXPECT_TRUE(std::filesystem::exists(download_folder_ + "/sorva57.exe"));
  EXPECT_TRUE(backend().shell_opens.empty());
  EXPECT_FALSE(backend().terminated);
}

TEST_F(AboutFormTest, FailedDownloadsCloseTheDialogWithTheirMessage) {
  struct Case {
    const char* name;
    std::string link;
    bool folder_chosen;
    int result;
    const char* message;  // nullptr: none
    unsigned flags;
  };
  const Case cases[] = {
      {"no link", "", true, update::kFetchOk, update::kTextNoDownloadInfo, ui::kMbIconError},
      {"link out of the folder", "soft/..\\..\\evil.exe", true, update::kFetchOk, update::kTextNoDownloadInfo,
       ui::kMbIconError},
      {"device name", "soft/CON", true, update::kFetchOk, update::kTextNoDownloadInfo, ui::kMbIconError},
      {"folder dialog cancelled", "soft/a.exe", false, update::kFetchOk, nullptr, 0},
      {"transfer failed", "soft/a.exe", true, update::kFetchFailed, update::kTextDownloadFailed,
       ui::kMbIconInformation},
      {"file not made", "soft/a.exe", true, update::kFetchCannotCreate, update::kTextDownloadFailed,
       ui::kMbIconInformation},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    backend().message_boxes.clear();
    backend().folder_dialogs.clear();
    http_.requests.clear();
    backend().folder_dialog_answers.clear();
    if (c.folder_chosen) backend().folder_dialog_answers.push_back(download_folder_ + "/");
    CheckThenDownload(VersionPage("2021/02/15", c.link), {c.result, "body", nullptr});
    EXPECT_EQ(dialog_result_, ui::kIdCancel);
    if (c.message == nullptr) {
      EXPECT_TRUE(backend().message_boxes.empty());
    } else {
      ASSERT_EQ(backend().message_boxes.size(), 1u);
      EXPECT_EQ(backend().message_boxes[0].text, c.message);
      EXPECT_EQ(backend().message_boxes[0].caption, "KORVAX/Win");
      EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | c.flags);
    }
    // A hostile or missing link never reaches the folder dialog or the network.
    const bool bad_link = c.message == update::kTextNoDownloadInfo;
    EXPECT_EQ(backend().folder_dialogs.empty(), bad_link);
    EXPECT_EQ(http_.requests.size(), c.folder_chosen && !bad_link ? 2u : 1u);
    EXPECT_FALSE(backend().terminated);
  }
  ui::Application().DestroyForms();
  EXPECT_EQ(Settings().find("DownDir"), std::string::npos);
}

TEST_F(AboutFormTest, ATransferKeepsASecondClickAndTheCloseOff) {
  http_.answers.push_back({update::kFetchOk, VersionPage("2021/02/15"), nullptr});
  RunAbout([&](TAbForm& dialog) {
    http_.answers.front().during = [&] {
      EXPECT_FALSE(dialog.Speed1.Enabled());
      EXPECT_FALSE(dialog.BitBtn1.Enabled());
      dialog.Speed1.Click();
      EXPECT_FALSE(dialog.Close());
    };
    dialog.Speed1.Click();
    EXPECT_TRUE(dialog.Speed1.Enabled());
    EXPECT_TRUE(dialog.Visible());
    dialog.BitBtn1.Click();
  });
  EXPECT_EQ(http_.requests.size(), 1u);
  EXPECT_EQ(dialog_result_, ui::kIdOk);
}

}  // namespace
