// The main window's side of the link to the logging program: finding its window, the
// commands that send it the selected target, a jump request or a show request, bringing
// it to the front, and the notices around a use of the QSO database.
#include <string>

#include "app/station.h"
#include "logger_link/link_protocol.h"
#include "logger_link/send_record.h"
#include "tally/dialog/sorva_b.h"
#include "ui/application.h"

namespace {

logger_link::SendOptions SendOptionsOf(const tally::TallySettings& settings) {
  logger_link::SendOptions options;
  options.code_and_qth = settings.send_code_and_qth;
  options.to_remarks1 = settings.send_to_remarks1;
  options.placement = static_cast<logger_link::Placement>(settings.send_position);
  options.use_korvax_mst = settings.use_korvax_mst;
  return options;
}

ui::CopyDataChannel& Channel() { return ui::Application().copy_data(); }

void Beep() { ui::Application().backend().Beep(); }

}  // namespace

std::uintptr_t TStation::FindLoggerWindow() { return Channel().FindTopWindow(logger_link::kLoggerWindowClass); }

void TStation::Timer1Timer() {
  KorvaxWnd = FindLoggerWindow();
  const bool running = KorvaxWnd > 0;
  // Only changes: every change of a menu item rebuilds the menu bar.
  auto show = [](ui::TMenuItem& item, bool visible) {
    if (item.Visible() != visible) item.SetVisible(visible);
  };
  for (auto* item : {Sent1.get(), J1.get(), Korvax1.get(), Show1.get()}) show(*item, running);
  show(*N4, running && SorvaB->Check29.Checked());
}

void TStation::SendLoggerNotice(std::uint32_t code) {
  if (KorvaxWnd > 0) Channel().Send(KorvaxWnd, Channel().HandleOf(Id()), code, nullptr, 0);
}

void TStation::Sent1Click(ui::Widget*) {
  if (KorvaxWnd == 0) {
    Beep();
    return;
  }
  const logger_link::SendOptions options = SendOptionsOf(TallySettings);
  const auto record = logger_link::BuildSendRecord(Edit2.Text(), options);
  if (!record) return;
  // Taken first: bringing the logger forward deactivates us, which clears the flag.
  const bool from_logger = FromLogger;
  // The NUL goes with the text and is counted.
  EntryWindow = Channel().Send(KorvaxWnd, Channel().HandleOf(Id()), logger_link::SendRequestCode(options),
                               record->c_str(), record->size() + 1);
  if (EntryWindow > 0) Channel().BringToFront(static_cast<std::uintptr_t>(EntryWindow));
  MinimizeAfterLoggerUse(from_logger);
}

void TStation::J1Click(ui::Widget*) {
  if (KorvaxWnd == 0) {
    Beep();
    return;
  }
  EntryWindow = Channel().Send(KorvaxWnd, Channel().HandleOf(Id()), logger_link::kJumpRequest, nullptr, 0);
}

void TStation::Show1Click(ui::Widget*) {
  const std::vector<std::string> items = Combo1.Items();
  const int index = Combo1.ItemIndex();
  if (index < 0 || static_cast<size_t>(index) >= items.size()) return;
  const auto number = logger_link::QsoNumberText(items[static_cast<size_t>(index)],
                                                 TallySettings.WkdChars, TallySettings.CfmChars);
  if (!number) return;
  if (KorvaxWnd == 0) {
    Beep();
    return;
  }
  EntryWindow = Channel().Send(KorvaxWnd, Channel().HandleOf(Id()), logger_link::kShowQso,
                               number->c_str(), number->size() + 1);
  if (EntryWindow > 0) Channel().BringToFront(static_cast<std::uintptr_t>(EntryWindow));
}

void TStation::Korvax1Click(ui::Widget*) {
  const bool from_logger = FromLogger;
  if (EntryWindow > 0) {
    Channel().BringToFront(static_cast<std::uintptr_t>(EntryWindow));
  } else if (KorvaxWnd > 0) {
    Channel().BringToFront(KorvaxWnd);
  }
  MinimizeAfterLoggerUse(from_logger);
}

// After a use that the logging program asked for: out of its way again.
void TStation::MinimizeAfterLoggerUse(bool from_logger) {
  if (!from_logger) return;
  FromLogger = false;
  if (SorvaB->Check29.Checked()) SetWindowState(ui::WindowState::kMinimized);
}

void TStation::AppDeactivate() { FromLogger = false; }

void TStation::ConnectLinkEvents() {
  Show1->OnClick = [this](ui::Widget& sender) { Show1Click(&sender); };
  OnCopyData = [this](const ui::CopyData& block) { WMCopyData(block); };
  OnAppDeactivate = [this] { AppDeactivate(); };
}
