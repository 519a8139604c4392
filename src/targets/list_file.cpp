// The main window's list file commands: loading at start-up and from the menu, the checks
// after each load, and saving.
#include <algorithm>
#include <optional>
#include <utility>

#include "app/file_names.h"
#include "app/list_cut_texts.h"
#include "app/station.h"
#include "app/texts.h"
#include "base/file_error.h"
#include "base/text_file.h"
#include "targets/list_file_io.h"
#include "targets/target_list.h"
#include "ui/application.h"
#include "ui/message_box.h"

// The open dialog `Open1`, starting in the folder of `file_name`; false when the operator
// cancelled it.
bool TStation::ShowOpenDialog(std::string& file_name) {
  ui::OpenDialogOptions options;
  options.title = app::kOpen1Title;
  options.filter = app::kOpen1Filter;
  options.default_ext = "SCSV";
  options.initial_dir = app::ExtractFilePath(file_name);
  if (!ui::Application().backend().ShowOpenDialog(options) || options.file_name.empty()) {
    return false;
  }
  file_name = options.file_name;
  return true;
}

bool TStation::LoadListAtStartup() {
  const auto& arguments = ui::Application().Arguments;
  // One full form of the name everywhere: the caption, the "Hist" key, the recent files.
  std::string candidate = app::ExpandFileName(
      !arguments.empty() ? arguments.front()
                         : Settings->ReadString("Main", "File", app::kDefaultListFile));
  bool need_dialog = !FileExists(candidate);
  for (;;) {
    if (need_dialog) {
      if (!ShowOpenDialog(candidate)) return false;
      Settings->WriteString("Main", "File", candidate);
    }
    need_dialog = true;
    std::optional<targets::LoadedList> list;
    try {
      list = targets::LoadUsableList(candidate);
    } catch (const FileError& error) {
      // Not in a command: tell the operator here and offer the dialog again.
      ui::Application().ShowException(error);
      continue;
    }
    if (list) {
      AdoptList(std::move(*list));
      return true;
    }
  }
}

void TStation::O1Click(ui::Widget* sender) {
  if (sender != nullptr) Settings->WriteInteger("Hist", ListFileName, dGrid1.Row());
  SwitchList(ListFileName, true);
}

void TStation::OpenListFile(const std::string& file_name) { SwitchList(file_name, false); }

// A cancelled dialog, an unreadable file (its error ends the command) or a failed save of
// the changes leaves the open list, its name, the grid and Save1 exactly as they were, so
// that a later save can only ever write the file the list came from.
void TStation::SwitchList(std::string candidate, bool show_dialog_first) {
  bool show_dialog = show_dialog_first;
  for (;;) {
    if (show_dialog && !ShowOpenDialog(candidate)) return;
    show_dialog = true;
    std::optional<targets::LoadedList> list = targets::LoadUsableList(candidate);
    if (!list) continue;  // not a list: offered the dialog again without a word
    // The chosen file may be the one just saved: read what is on disk now.
    if (SettleUnsavedChanges()) list = targets::LoadUsableList(candidate);
    if (!list) return;
    AdoptList(std::move(*list));
    ShowAdoptedList();
    return;
  }
}

// Asks whether to save the changes of the list being left; true when they were saved. A
// save that fails throws and leaves Save1 enabled.
bool TStation::SettleUnsavedChanges() {
  if (!Save1->Enabled()) return false;
  const int answer = ui::Application().ShowMessage(
      Award.AwardName + app::kTextChangedSaveQuestion, app::kAppTitle,
      ui::kMbYesNo | ui::kMbIconQuestion);
  const bool save = answer == ui::kIdYes && WriteOpenList();
  Save1->SetEnabled(false);
  return save;
}

bool TStation::WriteOpenList() {
  if (ListIsPartial) {
    const int answer = ui::Application().ShowMessage(
        ListFileName + "\r\n" + app::kTextSavePartialListQuestion, app::kAppTitle,
        ui::kMbYesNo | ui::kMbIconWarning | ui::kMbDefButton2);
    if (answer != ui::kIdYes) return false;
  }
  targets::WriteListFile(ListFileName, TargetLines);
  ListIsPartial = false;  // the file now holds exactly the list
  return true;
}

// Makes a loaded list the open one and shows all its rows.
void TStation::AdoptList(targets::LoadedList&& list) {
  ListIsPartial = list.Partial();
  TargetLines = std::move(list.lines);
  ListFileName = std::move(list.file_name);
  const targets::PreparedList& prepared = list.prepared;
  WorkedCount = prepared.WorkedCount;
  ColumnTitles = prepared.ColumnTitles;
  Award.AwardName = prepared.AwardName;
  Award.AwardOptions = prepared.AwardOptions;
  Award.ListStartDate = prepared.start_date;
  if (list.nul_line != 0) {
    ui::Application().ShowMessage(
        ListFileName + "\r\n" + std::to_string(list.nul_line) + app::kTextEndedAtNul,
        app::kAppTitle, ui::kMbOk | ui::kMbIconWarning);
  }
  if (prepared.lines_cut) {
    ui::Application().ShowMessage(app::kTextTooManyLines, app::kAppTitle,
                                 ui::kMbOk | ui::kMbIconInformation);
  }
  ShowAllRows();
}

// What follows a load from the menu: recent files, the remembered row, the keyword, the
// status line, the layout and the caption.
void TStation::ShowAdoptedList() {
  UpdateRecentFiles();
  Settings->WriteString("Main", "File", ListFileName);
  RestoreCurrentRow();
  Award.AwardKeyword = targets::KeywordOfLine(TargetLines[static_cast<size_t>(dGrid1.Row())]);
  ClassifyKeyword(false);
  ApplyFontLayout(1);
  SetCaption(std::string(app::kVersionText) + ListFileName);
  Timer2.SetTimerEnabled(true);
}

void TStation::Save1Click(ui::Widget*) {
  // Kept enabled when the operator keeps a partly read file as it is.
  if (WriteOpenList()) Save1->SetEnabled(false);
}

void TStation::RestoreCurrentRow() {
  const int last_row = std::max(1, dGrid1.RowCount() - 1);
  const int row = std::clamp(Settings->ReadInteger("Hist", ListFileName, 1), 1, last_row);
  dGrid1.SetRow(row);
}
