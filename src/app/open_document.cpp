#include "app/open_document.h"

#include "app/texts.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace app {

void OpenDocument(std::string_view target) {
  // The same words serve for web pages and for the local help file.
  if (!ui::Application().backend().ShellOpen(target)) {
    ui::Application().ShowMessage(kTextCannotConnect, kAppTitle, ui::kMbOk | ui::kMbIconError);
  }
}

}  // namespace app
