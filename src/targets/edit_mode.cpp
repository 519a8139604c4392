// Edit mode: the line above the grid becomes editable and its text can be added as a new
// record, replace the current record or the current record deleted; the worked entries
// of every record can be reset. Nothing reaches the file before the operator saves.
#include <algorithm>
#include <string>
#include <vector>

#include "app/station.h"
#include "app/texts.h"
#include "targets/list_search.h"
#include "targets/list_texts.h"
#include "targets/record_edit.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace {

constexpr unsigned kEditQuestion = ui::kMbYesNo | ui::kMbIconQuestion | ui::kMbDefButton2;

// A list that would be refused when opened again is not made: the operator is told and
// the list stays as it was.
// The line that grid row `row` shows; a row past the row map stands for itself.
int LineIndexOf(const std::vector<int>& row_map, int row) {
  return static_cast<size_t>(row) < row_map.size() ? row_map[static_cast<size_t>(row)] : row;
}

bool RefusedAsTooShort(const std::vector<std::string>& changed) {
  if (targets::OpensAsList(changed)) return false;
  ui::Application().ShowMessage(targets::kTextTooFewRecords, app::kAppTitle, ui::kMbOk | ui::kMbIconInformation);
  return true;
}

}  // namespace

void TStation::N5Click(ui::Widget* sender) {
  bool on = false;
  if (sender != nullptr) {
    if (CheckedFilterTag() >= 0) {
      N6Click(nullptr);  // edit mode works on the whole list
      on = true;
    } else {
      on = !N5->Checked();
    }
  }
  N5->SetChecked(on);
  for (auto* item : {A1.get(), E1.get(), D1.get(), W1.get()}) item->SetEnabled(on);
  Edit2.SetReadOnly(!on);
}

// After a record was added, replaced or deleted: every line shown again, in file order.
void TStation::AfterRecordsChanged() {
  RowMap = targets::IdentityRowMap(TargetLines.size());
  Filtered = false;
  DrawRow = -1;
  StatBar1.SetPanelText(0, StatusText());
  dGrid1.SetRowCount(std::max(static_cast<int>(TargetLines.size()), 1));
  if (dGrid1.Row() >= dGrid1.RowCount()) dGrid1.SetRow(std::max(1, dGrid1.RowCount() - 1));
  Save1->SetEnabled(true);
  dGrid1.Invalidate();
}

void TStation::A1Click(ui::Widget* sender) {
  const bool modify = sender != nullptr && sender->Tag == 1;
  const std::string text = Edit2.Text();
  std::string question;
  std::string caption = Award.AwardName;
  if (modify) {
    CurrentIndex = LineIndexOf(RowMap, dGrid1.Row());
    dGrid1.SetCol(1);
    if (CurrentIndex < 1 || static_cast<size_t>(CurrentIndex) >= TargetLines.size()) return;
    question = TargetLines[static_cast<size_t>(CurrentIndex)] + targets::kModifyArrow + text +
               targets::kTextModifyQuestion;
    caption += targets::kModifyCaptionTail;
  } else {
    question = text + targets::kTextAddQuestion;
    caption += targets::kAddCaptionTail;
  }
  const int index = std::clamp(CurrentIndex, 0, static_cast<int>(TargetLines.size()) - 1);
  std::string record = targets::RecordFromEditText(text);
  // A record written back as one field is dropped when the list is read again.
  if (modify && index >= 1) {
    std::vector<std::string> changed = TargetLines;
    changed[static_cast<size_t>(index)] = record;
    if (RefusedAsTooShort(changed)) return;
  }
  if (ui::Application().ShowMessage(question, caption, kEditQuestion) != ui::kIdYes) return;
  dGrid1.SetVisible(false);
  if (modify) {
    if (index >= 1) TargetLines[static_cast<size_t>(index)] = std::move(record);
  } else {
    TargetLines.insert(TargetLines.begin() + index + 1, std::move(record));
  }
  AfterRecordsChanged();
  dGrid1.SetVisible(true);
}

void TStation::D1Click(ui::Widget*) {
  CurrentIndex = LineIndexOf(RowMap, dGrid1.Row());
  dGrid1.SetCol(1);
  if (CurrentIndex < 1 || static_cast<size_t>(CurrentIndex) >= TargetLines.size()) return;
  std::vector<std::string> remaining = TargetLines;
  remaining.erase(remaining.begin() + CurrentIndex);
  if (RefusedAsTooShort(remaining)) return;
  const std::string question = Edit2.Text() + targets::kTextDeleteQuestion;
  if (ui::Application().ShowMessage(question, Award.AwardName + targets::kDeleteCaptionTail,
                                    kEditQuestion) != ui::kIdYes) {
    return;
  }
  TargetLines = std::move(remaining);
  AfterRecordsChanged();
}

void TStation::W1Click(ui::Widget*) {
  std::vector<std::string> reset = TargetLines;
  targets::ResetWorkedEntries(reset);
  // Records of fewer than three fields go: too many of them would leave no usable list.
  if (RefusedAsTooShort(reset)) return;
  TargetLines = std::move(reset);
  N5Click(nullptr);
  WorkedCount = 0;
  // Records too short to keep may have gone: the rows follow the lines again.
  AfterRecordsChanged();
  Timer2.SetTimerEnabled(true);
  Settings->EraseSection("Hist");
}

void TStation::Copy1Click(ui::Widget*) { ui::Application().backend().SetClipboardText(Edit2.Text()); }
