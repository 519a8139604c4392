// The selection follow-up: 150 ms after the last change of the current row, the top
// panel, the status line and the highlighted row follow the selected target.
#include <algorithm>

#include "app/station.h"
#include "targets/comma_text.h"

namespace {

constexpr size_t kWorkedFieldLimit = 10246;
constexpr size_t kMaxWorkedItems = 100;
constexpr size_t kMinWorkedEntryBytes = 6;

}  // namespace

void TStation::Timer2Timer() {
  Timer2.SetTimerEnabled(false);
  const int row = dGrid1.Row();
  CurrentIndex = static_cast<size_t>(row) < RowMap.size() ? RowMap[static_cast<size_t>(row)]
                                                          : static_cast<int>(TargetLines.size());
  if (CurrentIndex < 0 || static_cast<size_t>(CurrentIndex) >= TargetLines.size()) {
    Show1->SetEnabled(false);
    return;
  }
  const std::string& line = TargetLines[static_cast<size_t>(CurrentIndex)];
  targets::SplitCommaText(line, FieldList);
  const size_t shown = std::min<size_t>(4, FieldList.size());
  Edit2.SetText(targets::JoinCommaText(std::span<const std::string>(FieldList.data(), shown)));
  MarkedRow = Filtered ? row : CurrentIndex;

  std::vector<std::string> entries;
  if (FieldList.size() > 4) {
    const std::string_view worked = std::string_view(FieldList[4]).substr(0, kWorkedFieldLimit);
    size_t start = 0;
    while (start <= worked.size() && entries.size() < kMaxWorkedItems) {
      size_t end = worked.find(':', start);
      if (end == std::string_view::npos) end = worked.size();
      if (end - start >= kMinWorkedEntryBytes) entries.emplace_back(worked.substr(start, end - start));
      start = end + 1;
    }
  }
  Combo1.SetItems(entries);
  if (FieldList.size() > 4) {
    Show1->SetEnabled(KorvaxWnd > 0);
    Combo1.SetItemIndex(0);
  } else {
    Show1->SetEnabled(false);
  }
  StatBar1.SetPanelText(1, line);
  dGrid1.Invalidate();
  dGrid1.SetFocus();
}
