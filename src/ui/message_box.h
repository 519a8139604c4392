// Message box flags and answers. They carry the Windows values so the Win32 backend
// passes them straight through and tests compare the same numbers.
#pragma once

#include "ui/not_in_core.h"

namespace ui {

inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbOkCancel = 0x1;
inline constexpr unsigned kMbYesNoCancel = 0x3;
inline constexpr unsigned kMbYesNo = 0x4;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr unsigned kMbIconWarning = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr unsigned kMbDefButton2 = 0x100;

inline constexpr unsigned kMbButtonMask = 0xF;
inline constexpr unsigned kMbIconMask = 0xF0;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

}  // namespace ui
