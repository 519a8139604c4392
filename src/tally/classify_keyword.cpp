// Which kind of target the award keyword names, and the status line format.
#include "app/forms.h"
#include "app/sorva_b.h"
#include "app/station.h"
#include "app/texts.h"

namespace {

constexpr char kHotSpringPrefix[] = "\x93\x92-";  // 湯-
constexpr int kKeywordSlotsChecked = 16;

}  // namespace

void TStation::ClassifyKeyword(bool flag) {
  TSorvaB& dialog = *SorvaB;
  StatusFormat = dialog.AwardName + app::kStatusFormatTail;
  dialog.TargetKind = 0;
  std::string& keyword = dialog.AwardKeyword;
  for (int slot = 0; slot < kKeywordSlotsChecked; ++slot) {
    const std::string& other = dialog.AwdKeywords[static_cast<size_t>(slot)];
    if (!other.empty() && keyword.compare(0, other.size(), other) == 0) {
      keyword.resize(other.size());
      dialog.TargetKind = slot + 3;
      break;
    }
  }
  if (dialog.TargetKind == 0) {
    const std::string_view prefix(kHotSpringPrefix);
    if (keyword.compare(0, prefix.size(), prefix) == 0) {
      keyword.resize(prefix.size());
      dialog.TargetKind = 1;
    } else if (keyword.size() > 2) {
      keyword.resize(2);
    }
  }
  if (!flag) RefreshStatus();
}
