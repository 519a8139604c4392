// The main window's commands that move through the list: the two sorts, the display
// filters, the area jump and the search box with find next. The work is done by the
// functions of list_order.h and list_search.h; these handlers read and write controls.
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>

#include "app/station.h"
#include "app/texts.h"
#include "base/cp932.h"
#include "base/platform.h"
#include "targets/list_order.h"
#include "targets/list_search.h"
#include "targets/list_texts.h"
#include "ui/application.h"
#include "ui/keys.h"
#include "ui/message_box.h"

namespace {

// The caption of a filter item without its closing "を表示" (6 bytes).
constexpr size_t kShowSuffixBytes = 6;

std::string_view FirstChar(const std::string& text) {
  return std::string_view(text).substr(0, text.empty() ? 0 : cp932::CharLength(text, 0));
}

constexpr int kSearchBoxWidth = 360;
constexpr int kSearchBoxHeight = 132;
constexpr int kSearchFontPoints = 16;  // 21 pixels at 96 dpi

}  // namespace

void TStation::ConnectListCommandEvents() {
  N16->OnClick = [this](ui::TMenuItem& sender) { JCG1Click(&sender); };
  JCG1->OnClick = [this](ui::TMenuItem& sender) { JCG1Click(&sender); };
  for (auto* item : {N6.get(), N7.get(), N8.get(), N10.get()}) {
    item->OnClick = [this](ui::TMenuItem& sender) { N6Click(&sender); };
  }
  for (auto& item : AreaItems) item->OnClick = [this](ui::TMenuItem& sender) { N101Click(&sender); };
  Find1->OnClick = [this](ui::TMenuItem& sender) { Find1Click(&sender); };
  FindNext1->OnClick = [this](ui::TMenuItem& sender) { FindNext1Click(&sender); };
  BitBtn1.OnClick = [this](ui::Widget& sender) { BitBtn1Click(&sender); };
  BitBtn2.OnClick = [this](ui::Widget& sender) { BitBtn2Click(&sender); };
  // Enter and Esc in the search text act as the two buttons.
  Edit1.OnKeyDown = [this](ui::Widget&, int& key, unsigned) {
    if (key == ui::kVkReturn) {
      key = 0;
      BitBtn1Click(&BitBtn1);
    } else if (key == ui::kVkEscape) {
      key = 0;
      BitBtn2Click(&BitBtn2);
    }
  };
  // Search texts are mostly Japanese: the input method is ready when the box opens.
  Edit1.OnEnter = [this](ui::Widget&) { Edit1.SetInputMethodOpen(true); };
  N5->OnClick = [this](ui::TMenuItem& sender) { N5Click(&sender); };
  A1->OnClick = [this](ui::TMenuItem& sender) { A1Click(&sender); };
  E1->OnClick = [this](ui::TMenuItem& sender) { A1Click(&sender); };
  D1->OnClick = [this](ui::TMenuItem& sender) { D1Click(&sender); };
  W1->OnClick = [this](ui::TMenuItem& sender) { W1Click(&sender); };
  Copy1->OnClick = [this](ui::TMenuItem& sender) { Copy1Click(&sender); };
  for (auto& item : FF) item->OnClick = [this](ui::TMenuItem& sender) { FF0Click(&sender); };
  for (auto& item : FX) item->OnClick = [this](ui::TMenuItem& sender) { FX0Click(&sender); };
  // The search box closes when another control of the window takes the focus.
  auto leaving_search_box = [this](std::function<void(ui::Widget&)> previous) {
    return [this, previous](ui::Widget& sender) {
      if (Group1.Visible()) Group1Exit();
      if (previous) previous(sender);
    };
  };
  dGrid1.OnEnter = leaving_search_box(dGrid1.OnEnter);
  Edit2.OnEnter = leaving_search_box(Edit2.OnEnter);
  Combo1.OnEnter = leaving_search_box(Combo1.OnEnter);
}

void TStation::CreateSearchBox() {
  Group1.SetCaption(targets::kSearchCaption);
  Label1.SetCaption(targets::kSearchLabel);
  BitBtn1.SetCaption(targets::kOkCaption);
  BitBtn2.SetCaption(targets::kCancelCaption);
  ui::Font font;
  font.name = targets::kSearchFontName;
  font.size = kSearchFontPoints;
  for (ui::TWinControl* control : std::initializer_list<ui::TWinControl*>{&Group1, &Label1, &Edit1, &BitBtn1, &BitBtn2}) {
    control->SetFont(font);
  }
  Group1.SetVisible(false);
}

// Over the grid, near its top left corner, where the rows it hides are the least needed.
void TStation::LayoutSearchBox() {
  const ui::Rect grid = dGrid1.Bounds();
  const int width = std::min(kSearchBoxWidth, std::max(200, grid.width - 40));
  Group1.SetBounds({grid.left + 30, grid.top + 30, width, kSearchBoxHeight});
  const int inner = width - 24;
  const int label_width = Label1.TextWidth(targets::kSearchLabel);
  Label1.SetBounds({12 + std::max(0, (inner - label_width) / 2), 28, std::min(inner, label_width), 24});
  Edit1.SetBounds({12, 56, inner, 28});
  const int button_width = (inner - 12) / 2;
  BitBtn1.SetBounds({12, 92, button_width, 30});
  BitBtn2.SetBounds({24 + button_width, 92, button_width, 30});
}

void TStation::JCG1Click(ui::Widget* sender) {
  const int tag = sender != nullptr ? sender->Tag : 0;
  targets::SortRecords(TargetLines, tag <= 0 ? targets::SortOrder::kByNumber : targets::SortOrder::kByCode);
  Save1->SetEnabled(true);
  // The row map of a filter names lines by their place: it is built again over the new order.
  if (Filtered) ApplyFilter(CheckedFilterTag());
  DrawRow = -1;
  dGrid1.Invalidate();
  Timer2.SetTimerEnabled(true);
}

int TStation::CheckedFilterTag() const {
  for (auto* item : {N6.get(), N7.get(), N8.get(), N10.get()}) {
    if (item->Checked()) return item->Tag;
  }
  return -1;
}

// Builds the row map of filter `tag` and shows its counts; false, with nothing changed,
// when it keeps nothing.
bool TStation::ApplyFilter(int tag) {
  std::vector<int> rows = targets::FilteredRowMap(
      TargetLines, static_cast<targets::DisplayFilter>(tag), FirstChar(TallySettings.WkdChars), ConfirmedOpen());
  if (rows.size() < 2) return false;
  RowMap = std::move(rows);
  ShowFilteredCounts(static_cast<int>(RowMap.size()) - 1);
  return true;
}

void TStation::ShowFilteredCounts(int kept) {
  StatBar1.SetPanelText(0, StatusText(kept));
  dGrid1.SetRowCount(kept + 1);
}

void TStation::N6Click(ui::Widget* sender) {
  auto* item = dynamic_cast<ui::TMenuItem*>(sender);
  if (item == nullptr || item->Checked()) {
    ShowAllRows();
    if (item != nullptr) FindNext1->SetEnabled(false);
    Timer2.SetTimerEnabled(true);
    return;
  }
  FindNext1->SetEnabled(false);
  if (!ApplyFilter(item->Tag)) {
    const std::string caption = item->Caption();
    const std::string name = caption.substr(0, caption.size() - std::min(caption.size(), kShowSuffixBytes));
    ui::Application().ShowMessage(name + targets::kTextNotFoundTail, app::kAppTitle,
                                  ui::kMbOk | ui::kMbIconInformation);
    ShowAllRows();
    Timer2.SetTimerEnabled(true);
    return;
  }
  for (auto* other : {N6.get(), N7.get(), N8.get(), N10.get()}) other->SetChecked(other == item);
  Filtered = true;
  Timer2.SetTimerEnabled(true);
  if (dGrid1.Row() >= dGrid1.RowCount()) dGrid1.SetRow(std::max(1, dGrid1.RowCount() - 1));
  DrawRow = -1;
  N5Click(nullptr);
  dGrid1.Invalidate();
}

void TStation::N101Click(ui::Widget* sender) {
  if (sender == nullptr) return;
  const std::string area = sender->Tag == 1 ? std::string(targets::kAreaHokkaido) : sender->Caption();
  const auto row = targets::FindAreaRow(TargetLines, RowMap, dGrid1.RowCount(), targets::AreaKey(area));
  if (!row) {
    ui::Application().ShowMessage(targets::kTextAreaHead + area + targets::kTextAreaTail, area,
                                  ui::kMbOk | ui::kMbIconInformation);
    return;
  }
  dGrid1.FocusCell(1, *row);
  dGrid1.SetTopRow(std::max(1, *row - 3));
  Timer2.SetTimerEnabled(true);
}

void TStation::Find1Click(ui::Widget*) {
  // A follow-up still due would give the grid the focus, which closes the box: run it now.
  if (Timer2.IsEnabled()) Timer2Timer();
  LayoutSearchBox();
  Group1.SetVisible(true);
  Edit1.SetFocus();
}

void TStation::BitBtn1Click(ui::Widget*) {
  Group1.SetVisible(false);
  const std::string text = Edit1.Text();
  if (text.empty()) {
    FindNext1->SetEnabled(false);
    dGrid1.SetFocus();
    return;
  }
  const auto row = targets::FindTextRow(TargetLines, RowMap, dGrid1.RowCount(), text);
  // Back in the grid, keys are commands, not text.
  SetInputMethodOpen(false);
  if (row) {
    dGrid1.FocusCell(dGrid1.Col(), *row);
    FindNext1->SetEnabled(true);
    Timer2.SetTimerEnabled(true);
    dGrid1.SetFocus();
    return;
  }
  std::string message = targets::kTextSearchNotFound;
  message.replace(message.find("%s"), 2, text);
  ui::Application().ShowMessage(message, targets::kSearchCaption, ui::kMbOk | ui::kMbIconInformation);
  FindNext1->SetEnabled(false);
  Find1Click(nullptr);
}

void TStation::BitBtn2Click(ui::Widget*) {
  Group1.SetVisible(false);
  dGrid1.SetFocus();
}

void TStation::Group1Exit() { Group1.SetVisible(false); }

void TStation::FindNext1Click(ui::Widget*) {
  const std::string text = Edit1.Text();
  const auto row = targets::FindNextTextRow(TargetLines, RowMap, dGrid1.RowCount(), dGrid1.Row(), text);
  if (!row) return;
  dGrid1.FocusCell(dGrid1.Col(), *row);
  Timer2.SetTimerEnabled(true);
}
