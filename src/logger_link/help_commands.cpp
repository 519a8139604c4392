// The main window's Help menu: the help page beside the program, the web search for the
// selected target, the award and maker pages, and the about dialog.
#include <memory>
#include <optional>
#include <string>

#include "app/file_names.h"
#include "app/open_document.h"
#include "app/station.h"
#include "logger_link/web_search.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "update/about/ab_form.h"
#include "update/web_pages.h"

namespace {

constexpr unsigned kHelpTag = 9;
constexpr char kHelpPage[] = "sorvano.html";

}  // namespace

void TStation::N2Click(ui::Widget& sender) {
  const auto tag = static_cast<unsigned>(sender.Tag);
  if (tag < update::kWebPages.size()) {
    app::OpenDocument(update::kWebPages[tag]);
    return;
  }
  if (tag == kHelpTag) {
    app::OpenDocument(app::ExtractFilePath(ui::Application().ExeName) + kHelpPage);
    return;
  }
  if (const std::optional<std::string> url = logger_link::SearchUrl(Edit2.Text())) {
    app::OpenDocument(*url);
  }
}

void TStation::About1Click(ui::Widget&) {
  int result = ui::kIdCancel;
  {
    // Released when it has closed, also when showing it failed.
    auto dialog = std::make_unique<TAbForm>(*Settings);
    dialog->ShowModal();
    result = dialog->ModalResult;
  }
  ui::Application().ProcessMessages();
  // The operator started the downloaded installer: it replaces the program.
  if (result == ui::kIdYes) Close();
}
