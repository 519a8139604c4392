// Virtual-key codes that portable code names: the values Windows reports in key events,
// so that handlers and the grid's navigation compare keys without <windows.h>.
#pragma once

#include "ui/not_in_core.h"

namespace ui {

inline constexpr int kVkBack = 0x08;
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkShift = 0x10;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkPrior = 0x21;  // Page Up
inline constexpr int kVkNext = 0x22;   // Page Down
inline constexpr int kVkEnd = 0x23;
inline constexpr int kVkHome = 0x24;
inline constexpr int kVkLeft = 0x25;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkDelete = 0x2E;
inline constexpr int kVkF1 = 0x70;
inline constexpr int kVkF3 = 0x72;

}  // namespace ui
