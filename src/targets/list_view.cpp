// The list view: how the grid draws each cell, the status line, the layout that follows
// font changes, and the grid's keyboard, mouse and wheel handling.
#include <algorithm>
#include <cstdio>

#include "app/station.h"
#include "base/cp932.h"
#include "targets/comma_text.h"
#include "targets/worked_field.h"
#include "ui/keys.h"

namespace {

constexpr char kWorkedMark[] = "\x81\x9f";     // ◆
constexpr char kConfirmedMark[] = "\x81\xa1";  // ■
constexpr size_t kOverwrittenNumberBytes = 63;

// `format` with its "%d"s after byte `from` replaced by `first` and `second`; the award
// name in front of them is the operator's text and is never read as a format.
std::string FillCounts(const std::string& format, size_t from, int first, int second) {
  std::string text = format.substr(0, from);
  int next = 0;
  for (size_t pos = from; pos < format.size();) {
    if (format.compare(pos, 2, "%d") == 0 && next < 2) {
      text += std::to_string(next++ == 0 ? first : second);
      pos += 2;
      continue;
    }
    const size_t length = cp932::CharLength(format, pos);
    text.append(format, pos, length);
    pos += length;
  }
  return text;
}

}  // namespace

void TStation::ConnectViewEvents() {
  dGrid1.OnKeyDown = [this](ui::Widget&, int& key, unsigned shift) { dGrid1KeyDown(key, shift); };
  dGrid1.OnKeyUp = [this](ui::Widget&, int, unsigned) { dGrid1KeyUp(); };
  dGrid1.OnMouseUp = [this](ui::Widget&) { dGrid1MouseUp(); };
  dGrid1.OnDblClick = [this](ui::Widget&) { dGrid1DblClick(); };
  dGrid1.OnEnter = [this](ui::Widget&) { dGrid1Enter(); };
  dGrid1.OnExit = [this](ui::Widget&) { dGrid1Exit(); };
  dGrid1.OnMouseWheel = [this](ui::Widget&, int delta) { FormMouseWheel(delta); };
  dGrid1.OnMouseEnter = [this](ui::Widget&) { MouseOverGrid = true; };
  dGrid1.OnMouseLeave = [this](ui::Widget&) { MouseOverGrid = false; };
  Edit2.OnDblClick = [this](ui::Widget&) { Edit2DblClick(); };
  Edit2.OnEnter = [this](ui::Widget&) { Edit2Enter(); };
  Combo1.OnEnter = [this](ui::Widget&) { Edit2Enter(); };
  StatBar1.OnDblClick = [this](ui::Widget&) { StatBar1DblClick(); };
}

void TStation::dGrid1DrawCell(int col, int row, ui::Rect rect, bool selected,
                              ui::Canvas& canvas) {
  const ui::Color font_color = dGrid1.GetFont().color;
  if (row == 0 || col == 0) {
    const std::string text =
        row == 0 ? (col < static_cast<int>(ColumnTitles.size()) ? ColumnTitles[static_cast<size_t>(col)]
                                                               : std::string())
                 : std::to_string(row);
    canvas.FillRect(rect, dGrid1.FixedColor);
    canvas.DrawCellText(rect, text, ui::TextPlacement::kCentered, 0, font_color);
    return;
  }
  if (row != DrawRow) {
    DrawFields.clear();
    const size_t index = static_cast<size_t>(row) < RowMap.size()
                             ? static_cast<size_t>(RowMap[static_cast<size_t>(row)])
                             : TargetLines.size();
    if (index < TargetLines.size()) {
      targets::SplitCommaText(TargetLines[index], DrawFields, targets::kWorkedField + 1);  // the columns
      if (targets::IsWorked(DrawFields)) {
        const std::string& number = DrawFields[0];
        const std::string base =
            Award.OverwriteMark ? number.substr(std::min<size_t>(2, number.size()), kOverwrittenNumberBytes)
                          : number;
        const bool confirmed = targets::WorkedStateOf(DrawFields, ConfirmedOpen()) ==
                               targets::WorkedState::kConfirmed;
        DrawFields[0] = (confirmed ? kConfirmedMark : kWorkedMark) + base;
      }
    }
    DrawRow = row;
  }
  const size_t field = static_cast<size_t>(col - 1);
  const std::string& text = field < DrawFields.size() ? DrawFields[field] : std::string();
  ui::Color background = ui::kClWhite;
  if (selected) {
    background = row == MarkedRow ? ui::Rgb(128, 0, 0) : dGrid1.SelectedColor;
  } else if (row == MarkedRow) {
    background = ui::kClYellow;
  }
  canvas.FillRect(rect, background);
  canvas.DrawCellText(rect, text, ui::TextPlacement::kLeftMargin, 2,
                  selected ? dGrid1.SelectedTextColor : font_color);
}

std::string_view TStation::ConfirmedOpen() const {
  const std::string& cfm = TallySettings.CfmChars;
  return std::string_view(cfm).substr(0, cfm.empty() ? 0 : cp932::CharLength(cfm, 0));
}

void TStation::SetWindowFont(const ui::Font& font) {
  WindowFont = font;
  Panel1.SetFont(font);
}

std::string TStation::StatusText() const { return StatusText(WorkedCount); }

std::string TStation::StatusText(int shown) const {
  return FillCounts(StatusFormat, Award.AwardName.size(), shown,
                    static_cast<int>(TargetLines.size()) - 1);
}

void TStation::RefreshStatus() {
  StatBar1.SetPanelText(0, StatusText());
  dGrid1.SetColWidths(0, Panel1.TextWidth(std::to_string(dGrid1.RowCount())));
}

void TStation::ApplyFontLayout(int mode) {
  if (mode <= 0) {
    dGrid1.SetFont(WindowFont);
    dGrid1.SetDefaultRowHeight(dGrid1.TextHeight("X") + 5);
    dGrid1.SetColWidths(0, dGrid1.TextWidth("Set") + 10);
    StatBar1.SetFont(WindowFont);
    status_height_ = dGrid1.TextHeight("X") + 9;
  } else {
    Edit2.SetFont(WindowFont);
    Combo1.SetFont(WindowFont);
    combo_text_width_ = Panel1.TextWidth(std::string(17, 'X'));
    if (mode <= 2) {
      panel_height_ = Panel1.TextHeight("X") + 22;
      const std::string text = StatusText();
      StatBar1.SetPanelWidth(0, Panel1.TextWidth(text) + 32);
      StatBar1.SetPanelText(0, text);
      status_height_ = Panel1.TextHeight("X") + 11;
    }
  }
  LayoutControls();
}

// The top panel across the top, the status bar along the bottom, the grid in between,
// and the line and the QSO box in the panel, after every font change and resize.
void TStation::LayoutControls() {
  const ui::Rect client = ClientRect();
  Panel1.SetBounds({0, 0, client.width, panel_height_});
  StatBar1.SetBounds({0, client.height - status_height_, client.width, status_height_});
  // A status bar may keep a height of its own (its font's): the grid ends where it starts.
  const ui::Rect status = StatBar1.Bounds();
  const int grid_bottom = status.height > 0 ? std::min(status.top, client.height) : client.height;
  dGrid1.SetBounds({0, panel_height_, client.width, std::max(0, grid_bottom - panel_height_)});
  const int w = combo_text_width_;
  Combo1.SetBounds({client.width - w - 20, 4, w + 12, panel_height_ - 8});
  Edit2.SetBounds({4, 4, std::max(0, client.width - w - 44), panel_height_ - 8});
  SetMinClientSize(kMinClientWidth,
                   panel_height_ + kMinGridRows * dGrid1.DefaultRowHeight() + kGridFrame + status_height_);
}

// The filter command without a sender: every record shown, in file order.
void TStation::ShowAllRows() {
  for (auto* item : {N6.get(), N7.get(), N8.get(), N10.get()}) item->SetChecked(false);
  const int line_count = static_cast<int>(TargetLines.size());
  RowMap.resize(static_cast<size_t>(line_count) + 1);
  for (int n = 0; n <= line_count; ++n) RowMap[static_cast<size_t>(n)] = n;
  Filtered = false;
  dGrid1.SetRowCount(std::max(line_count, 1));
  RefreshStatus();
  N5Click(nullptr);
  DrawRow = -1;
  dGrid1.Invalidate();
}

void TStation::dGrid1KeyDown(int& key, unsigned shift) {
  if (FromLogger) {
    if (key == ui::kVkReturn) {
      key = 0;
      Sent1Click(nullptr);
      return;
    }
    if (key == ui::kVkEscape || key == ui::kVkSpace) {
      key = 0;
      Korvax1Click(nullptr);
      return;
    }
  }
  if (key == ui::kVkDown && (shift == ui::kShiftShift || shift == ui::kShiftAlt)) {
    key = 0;
    J1Click(nullptr);
  }
}

void TStation::dGrid1KeyUp() {
  if (dGrid1.Col() < 2) Timer2.SetTimerEnabled(true);
}

void TStation::dGrid1MouseUp() {
  if (dGrid1.Col() < 2) Timer2.SetTimerEnabled(true);
}

void TStation::dGrid1DblClick() { Sent1Click(nullptr); }
void TStation::dGrid1Enter() { Panel1.BevelInner = ui::Bevel::kNone; }
void TStation::dGrid1Exit() { FromLogger = false; }
void TStation::Edit2DblClick() { Sent1Click(nullptr); }
void TStation::StatBar1DblClick() { S1Click(nullptr); }

// Finds the target whose line holds the text of Edit2 up to its first comma.
void TStation::Edit2Enter() {
  Panel1.BevelInner = ui::Bevel::kLowered;
  const std::string text = Edit2.Text().substr(0, 256);
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return;
  const std::string_view key(text.data(), comma);
  for (int row = 1; row < dGrid1.RowCount(); ++row) {
    const size_t index = static_cast<size_t>(RowMap[static_cast<size_t>(row)]);
    if (index < TargetLines.size() && cp932::Find(TargetLines[index], key) != std::string::npos) {
      dGrid1.FocusCell(1, row);
      return;
    }
  }
}

void TStation::FormMouseWheel(int delta) {
  if (!MouseOverGrid) return;
  const int row = delta > 0 ? std::max(1, dGrid1.Row() - 1)
                            : std::min(dGrid1.RowCount() - 1, dGrid1.Row() + 1);
  dGrid1.SetRow(row);
  if (dGrid1.Col() < 2) Timer2.SetTimerEnabled(true);
}
