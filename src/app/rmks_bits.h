// The bits of settings "Set"/"Rmks": bits 0..2 hold the item index of the tally dialog's
// send combo box, then one bit per option box. The main window restores them when it is
// first shown; the tally dialog writes them when it closes.
#pragma once

namespace app {

inline constexpr int kDefaultRmks = 337;
inline constexpr int kRmksComboMask = 0x7;
inline constexpr int kRmksRadio8 = 1 << 3;
inline constexpr int kRmksRadio0 = 1 << 4;
inline constexpr int kRmksRadio1 = 1 << 5;
inline constexpr int kRmksRadio2 = 1 << 6;
inline constexpr int kRmksRadio3 = 1 << 7;
inline constexpr int kRmksRadio4 = 1 << 8;
inline constexpr int kRmksRadio5 = 1 << 9;
inline constexpr int kRmksRadio6 = 1 << 10;
inline constexpr int kRmksRadio7 = 1 << 11;
inline constexpr int kRmksKoteiChecked = 1 << 12;
inline constexpr int kRmksKoteiGrayed = 1 << 13;

}  // namespace app
