// The about dialog: the program's version and build, the check of the maker's page for a
// newer build and the download of its installer. Made for each about command and freed
// when it closes; it owns its HTTP client while it is shown. ModalResult is 6 when the
// operator chose to start the downloaded installer (the main window then closes).
#pragma once

#include "ui/not_in_core.h"

#include <memory>
#include <string>

#include "settings/settings_store.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "update/http_down.h"

class TAbForm : public ui::TForm {
 public:
  static constexpr int kClientWidth = 442;
  static constexpr int kClientHeight = 157;
  static constexpr int kGrownClientHeight = 232;

  // `settings` holds the download folder ("Main"/"DownDir") and outlives the dialog.
  explicit TAbForm(TKrxIni& settings);
  ~TAbForm() override;

  // 0 while the dialog stays open; 1 OK, 2 Cancel, 6 start the installer.
  int ModalResult = 0;

  ui::TLabel Label1{*this};
  ui::TImage Image1{*this};
  ui::TButton BitBtn1{*this};
  ui::TButton Speed1{*this};  // Tag 0: the next click checks; 1: it downloads
  ui::TProgressBar Prog1{*this};
  ui::TLabel Label2{*this};

  std::unique_ptr<update::THTTPDown> Down;
  // The page URL, then the page's text after a check, then the installer's link target.
  std::string PageText;

  void FormShow();
  void FormDestroy();
  void FormCloseQuery(bool& can_close);
  void BitBtn1Click(ui::Widget& sender);
  void Speed1Click(ui::Widget& sender);
  void DownProgress(long long bytes, long long total);

 private:
  void Check();
  void Download();
  // Down's transfer, with Speed1 and the OK button off meanwhile (the transfer keeps
  // servicing window messages, and Down takes one transfer at a time).
  int Transfer(const std::string& url);
  void Finish();

  TKrxIni& settings_;
  std::string page_url_;
  bool transferring_ = false;
};
