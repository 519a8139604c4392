// What the logging program sends the main window: the trigger for a jump, or an entry
// record that selects the matching target.
#include <algorithm>

#include "app/station.h"
#include "logger_link/entry_record.h"
#include "tally/dialog/sorva_b.h"
#include "ui/application.h"
#include "ui/message_box.h"

void TStation::WMCopyData(const ui::CopyData& block) {
  // The trigger: no data, and our own window as dwData.
  if (block.data == nullptr && block.code == ui::Application().copy_data().HandleOf(Id())) {
    if (KorvaxWnd == 0) KorvaxWnd = FindLoggerWindow();  // it started since the last search
    J1Click(nullptr);
    FromLogger = true;
    return;
  }
  if (SorvaB->Check29.Checked() && GetWindowState() == ui::WindowState::kMinimized) {
    SetWindowState(ui::WindowState::kNormal);
  }
  // Only what the record's three lines hold is kept; the block is the sender's.
  const logger_link::EntryRecord entry =
      logger_link::ParseEntryRecord(static_cast<const char*>(block.data), block.size);
  const logger_link::LookupList list{TargetLines, RowMap, dGrid1.RowCount()};
  const logger_link::LookupResult result = Lookup.Find(entry, Award.AwardKeyword, list, dGrid1.Row());
  switch (result.kind) {
    case logger_link::LookupResult::Kind::kFound:
      dGrid1.FocusCell(1, result.row);
      dGrid1.SetTopRow(std::max(1, result.row - 3));
      Timer2.SetTimerEnabled(true);
      break;
    case logger_link::LookupResult::Kind::kNotFound:
      ui::Application().ShowMessage(result.box_text, result.box_caption, ui::kMbOk | ui::kMbIconInformation);
      break;
    case logger_link::LookupResult::Kind::kNothing:
      break;
  }
}
