// What passes between this program and the logging program's main window: the window
// class it is found by and the request codes (dwData) of the WM_COPYDATA messages.
#pragma once

#include <cstdint>

namespace logger_link {

inline constexpr char kLoggerWindowClass[] = "TKrxin";

// Requests this program sends.
inline constexpr std::uint32_t kSendTarget = 0x0042000F;
inline constexpr std::uint32_t kPlaceRightBit = 0x00000020;
inline constexpr std::uint32_t kPlaceLeftBit = 0x00000040;
inline constexpr std::uint32_t kUseKorvaxMstBit = 0x00800000;
inline constexpr std::uint32_t kJumpRequest = 0x00400073;
inline constexpr std::uint32_t kShowQso = 0x00020014;
// The notices around a use of the QSO database (the tally, the export).
inline constexpr std::uint32_t kOpenNotice = 0x0040001B;
inline constexpr std::uint32_t kCloseNotice = 0x0040001C;

// Lines of a send record and of an entry record, numbered from 0.
inline constexpr int kRecordLines = 15;
inline constexpr int kCodeLine = 8;
inline constexpr int kQthLine = 12;
inline constexpr int kRemarks1Line = 13;
inline constexpr int kRemarks2Line = 14;

}  // namespace logger_link
