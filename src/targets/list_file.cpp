// The main window's list file commands: loading at start-up and from the menu, the checks
// after each load, and saving.
#include <algorithm>

#include "app/file_names.h"
#include "app/forms.h"
#include "app/sorva_b.h"
#include "app/station.h"
#include "app/texts.h"
#include "base/file_error.h"
#include "base/text_file.h"
#include "targets/list_file_io.h"
#include "targets/target_list.h"
#include "tally/tally_rules.h"
#include "ui/application.h"
#include "ui/message_box.h"

void TStation::ReadTargetLines() { TargetLines = targets::ReadListFile(ListFileName); }

bool TStation::PrepareList() {
  WorkedCount = 0;
  if (TargetLines.size() < targets::kMinListLines) return true;
  const targets::PreparedList prepared = targets::PrepareList(TargetLines);
  WorkedCount = prepared.WorkedCount;
  if (prepared.lines_cut) {
    ui::Application().MessageBox(app::kTextTooManyLines, app::kAppTitle,
                                 ui::kMbOk | ui::kMbIconInformation);
  }
  ColumnTitles = prepared.ColumnTitles;
  SorvaB->AwardName = prepared.AwardName;
  SorvaB->AwardOptions = prepared.AwardOptions;
  ShowAllRows();
  return prepared.unusable;
}

// The open dialog `Open1`; false when the operator cancelled it.
bool TStation::ShowOpenDialog() {
  ui::OpenDialogOptions options;
  options.title = app::kOpen1Title;
  options.filter = app::kOpen1Filter;
  options.default_ext = "SCSV";
  options.initial_dir = app::ExtractFilePath(ListFileName);
  if (!ui::Application().backend().ShowOpenDialog(options)) return false;
  ListFileName = options.file_name;
  return true;
}

bool TStation::LoadListAtStartup() {
  const auto& arguments = ui::Application().Arguments;
  // One full form of the name everywhere: the caption, the "Hist" key, the recent files.
  ListFileName = app::ExpandFileName(!arguments.empty()
                                         ? arguments.front()
                                         : Settings->ReadString("Main", "File", app::kDefaultListFile));
  bool need_dialog = !FileExists(ListFileName);
  for (;;) {
    if (need_dialog) {
      if (!ShowOpenDialog()) return false;
      Settings->WriteString("Main", "File", ListFileName);
    }
    need_dialog = true;
    try {
      ReadTargetLines();
    } catch (const FileError& error) {
      // Not in a command: tell the operator here and offer the dialog again.
      ui::Application().ShowException(error);
      continue;
    }
    if (!PrepareList()) return true;
  }
}

void TStation::O1Click(ui::Widget* sender) {
  if (sender != nullptr) Settings->WriteInteger("Hist", ListFileName, dGrid1.Row());
  bool show_dialog = sender != nullptr;
  for (;;) {
    const std::string previous_file = ListFileName;
    if (show_dialog) {
      if (ShowOpenDialog()) {
        const std::string chosen = ListFileName;
        ListFileName = previous_file;
        if (Save1->Enabled()) {
          const int answer = ui::Application().MessageBox(
              SorvaB->AwardName + app::kTextChangedSaveQuestion, app::kAppTitle,
              ui::kMbYesNo | ui::kMbIconQuestion);
          if (answer == ui::kIdYes) targets::WriteListFile(ListFileName, TargetLines);
        }
        Save1->SetEnabled(false);
        ListFileName = chosen;
      } else {
        ListFileName = FF[0]->Caption();
      }
    }
    show_dialog = true;
    try {
      ReadTargetLines();
    } catch (const FileError&) {
      // The list in memory still belongs to the previous file: keep its name with it.
      ListFileName = previous_file;
      throw;
    }
    if (!PrepareList()) break;
  }
  UpdateRecentFiles();
  Settings->WriteString("Main", "File", ListFileName);
  RestoreCurrentRow();
  SorvaB->AwardKeyword = TargetLines[static_cast<size_t>(dGrid1.Row())].substr(0, tally::kKeywordBytes);
  ClassifyKeyword(false);
  ApplyFontLayout(1);
  SetCaption(std::string(app::kVersionText) + ListFileName);
  Timer2.SetTimerEnabled(true);
}

void TStation::Save1Click(ui::Widget*) {
  targets::WriteListFile(ListFileName, TargetLines);
  Save1->SetEnabled(false);
}

void TStation::RestoreCurrentRow() {
  const int last_row = std::max(1, dGrid1.RowCount() - 1);
  const int row = std::clamp(Settings->ReadInteger("Hist", ListFileName, 1), 1, last_row);
  dGrid1.SetRow(row);
}

// Keeps the current file first among the recent-file items.
void TStation::UpdateRecentFiles() {
  std::vector<std::string> files{ListFileName};
  for (const auto& item : FF) {
    if (item->Visible() && item->Caption() != ListFileName) files.push_back(item->Caption());
  }
  for (size_t n = 0; n < FF.size(); ++n) {
    const bool used = n < files.size();
    FF[n]->SetCaption(used ? files[n] : std::string());
    FF[n]->SetVisible(used);
  }
}
