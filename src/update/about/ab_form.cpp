#include "update/about/ab_form.h"

#include <optional>

#include "app/file_names.h"
#include "app/open_document.h"
#include "app/texts.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "update/http_url.h"
#include "update/update_texts.h"
#include "update/version_page.h"
#include "update/version_page_url.h"
#include "update/web_pages.h"

namespace {

// "ＭＳ ゴシック", 19 pixels high.
const ui::Font kAboutFont{"\x82l\x82r \x83S\x83V\x83" "b\x83N", 14, 0, 0};
constexpr int kHttpSlot = 1;

int Ask(std::string_view text, std::string_view caption, unsigned flags) {
  return ui::Application().ShowMessage(text, caption, flags);
}

}  // namespace

TAbForm::TAbForm(TKrxIni& settings) : ui::TForm("TAbForm"), settings_(settings) {
  SetCaption(update::kTextAboutCaption);
  MakeDialogFrame(kClientWidth, kClientHeight);
  for (ui::TWinControl* control : {static_cast<ui::TWinControl*>(&Label1), static_cast<ui::TWinControl*>(&BitBtn1),
                                   static_cast<ui::TWinControl*>(&Speed1), static_cast<ui::TWinControl*>(&Label2)}) {
    control->SetFont(kAboutFont);
  }
  Label1.SetBounds({64, 16, 320, 44});
  Image1.SetBounds({392, 8, 41, 41});
  BitBtn1.SetBounds({48, 104, 89, 41});
  BitBtn1.SetCaption("OK");
  Speed1.SetBounds({168, 104, 257, 41});
  Speed1.SetCaption(update::kTextCheckButton);
  Speed1.Tag = 0;
  Prog1.SetBounds({8, 64, 425, 25});
  Prog1.SetMax(100);
  Prog1.SetVisible(false);
  Label2.SetBounds({32, 168, 400, 44});
  Label2.SetVisible(false);

  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this](bool& can_close) { FormCloseQuery(can_close); };
  BitBtn1.OnClick = [this](ui::Widget& sender) { BitBtn1Click(sender); };
  Speed1.OnClick = [this](ui::Widget& sender) { Speed1Click(sender); };
}

TAbForm::~TAbForm() { FormDestroy(); }

void TAbForm::FormShow() {
  Down = ui::Application().backend().CreateHttpDown(kHttpSlot);
  page_url_ = update::VersionPageUrl();
  Label1.SetCaption(std::string(app::kVersionText) + "\r" + update::kTextBuildPrefix + app::kBuildDate);
}

void TAbForm::FormDestroy() { Down.reset(); }

void TAbForm::FormCloseQuery(bool& can_close) {
  // Down must not go while it transfers; the transfer ends the dialog itself.
  if (transferring_) {
    can_close = false;
    return;
  }
  if (ModalResult == 0) ModalResult = ui::kIdCancel;
}

void TAbForm::BitBtn1Click(ui::Widget&) {
  ModalResult = ui::kIdOk;
  Close();
}

void TAbForm::Speed1Click(ui::Widget&) {
  if (transferring_) return;
  // An error or a download ends the dialog; only a successful check keeps it open.
  ModalResult = ui::kIdCancel;
  if (Speed1.Tag == 0) {
    Check();
  } else {
    Download();
  }
  Finish();
}

void TAbForm::Finish() {
  if (ModalResult != 0) Close();
}

int TAbForm::Transfer(const std::string& url) {
  if (!Down) return update::kFetchFailed;
  transferring_ = true;
  Speed1.SetEnabled(false);
  BitBtn1.SetEnabled(false);
  const int result = Down->Fetch(url);
  BitBtn1.SetEnabled(true);
  Speed1.SetEnabled(true);
  transferring_ = false;
  return result;
}

void TAbForm::Check() {
  PageText = page_url_;
  if (Down) Down->Clear();
  if (Transfer(PageText) > 0) {
    Ask(update::kTextServerNotFound, page_url_, ui::kMbOk | ui::kMbIconError);
    return;
  }
  PageText = update::NormalizeLineBreaks(Down->Text);
  const std::optional<std::size_t> start = update::FindBuildStart(PageText);
  if (!start) {
    Ask(update::kTextNoDownloadInfo, page_url_, ui::kMbOk | ui::kMbIconError);
    return;
  }
  MakeDialogFrame(kClientWidth, kGrownClientHeight);
  const std::string found = update::BuildAt(PageText, *start);
  Speed1.SetCaption(update::kTextDownloadButton);
  Speed1.Tag = 1;
  Label2.SetCaption(update::CheckResultText(app::kBuildDate, found));
  Label2.SetVisible(true);
  ModalResult = 0;
}

void TAbForm::Download() {
  const std::optional<std::string> link = update::FindLinkTarget(PageText);
  const std::optional<std::string> name = link ? update::DownloadFileName(*link) : std::nullopt;
  if (!name) {
    Ask(update::kTextNoDownloadInfo, update::kUserAgent, ui::kMbOk | ui::kMbIconError);
    return;
  }
  PageText = *link;

  std::string program_folder = app::ExtractFilePath(ui::Application().ExeName);
  if (program_folder.size() > 1 && (program_folder.back() == '\\' || program_folder.back() == '/')) {
    program_folder.pop_back();
  }
  std::string folder = settings_.ReadString("Main", "DownDir", program_folder);
  if (!ui::Application().backend().ShowFolderDialog(update::kTextBrowseTitle, folder)) return;
  const std::string local_path = update::WithTrailingBackslash(folder) + *name;

  Prog1.SetPosition(0);
  Prog1.SetVisible(true);
  if (Down) {
    Down->Clear();
    Down->OnProgress = [this](long long bytes, long long total) { DownProgress(bytes, total); };
    Down->ToFile = true;
    Down->Text = local_path;
  }
  const int result = Transfer(update::DownloadUrl(page_url_, PageText));
  Prog1.SetPosition(Prog1.Max());
  Prog1.SetVisible(false);
  if (result > 0) {
    Ask(update::kTextDownloadFailed, update::kUserAgent, ui::kMbOk | ui::kMbIconInformation);
    return;
  }

  settings_.WriteString("Main", "DownDir", update::StoredFolder(local_path));
  if (Ask(update::kTextStartInstall, update::kUserAgent, ui::kMbYesNo | ui::kMbIconQuestion) != ui::kIdNo) {
    ModalResult = ui::kIdYes;
    app::OpenDocument(local_path);
  }
}

void TAbForm::DownProgress(long long bytes, long long total) {
  if (total > 0) Prog1.SetPosition(update::ProgressPosition(bytes, total));
}
