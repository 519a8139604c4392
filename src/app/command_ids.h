// Command ids of the main window's menu items. They are fixed so that the window system
// and other processes (the end-to-end tests) can address an item by number.
#pragma once

#include "ui/not_in_core.h"

namespace app {

// File menu.
inline constexpr int kCmdO1 = 101;
inline constexpr int kCmdQ1 = 102;
inline constexpr int kCmdSave1 = 103;
inline constexpr int kCmdE2 = 104;
inline constexpr int kCmdN13 = 105;
inline constexpr int kCmdExit1 = 106;
inline constexpr int kCmdFF0 = 110;  // recent files FF0..FF19: 110..129

// Edit menu.
inline constexpr int kCmdFind1 = 201;
inline constexpr int kCmdFindNext1 = 202;
inline constexpr int kCmdCopy1 = 203;
inline constexpr int kCmdN16 = 204;
inline constexpr int kCmdJCG1 = 205;
inline constexpr int kCmdN6 = 206;
inline constexpr int kCmdN8 = 207;
inline constexpr int kCmdN7 = 208;
inline constexpr int kCmdN10 = 209;
inline constexpr int kCmdN5 = 210;
inline constexpr int kCmdA1 = 211;
inline constexpr int kCmdE1 = 212;
inline constexpr int kCmdD1 = 213;
inline constexpr int kCmdW1 = 214;
inline constexpr int kCmdJumpArea = 300;  // area jump items: 300 upward

// Logging-program commands and the rest of the menu bar.
inline constexpr int kCmdSent1 = 401;
inline constexpr int kCmdJ1 = 402;
inline constexpr int kCmdKorvax1 = 403;
inline constexpr int kCmdShow1 = 404;
inline constexpr int kCmdS1 = 405;
inline constexpr int kCmdN4 = 406;
inline constexpr int kCmdHelp = 500;  // help menu items: 500 upward
inline constexpr int kCmdFX0 = 600;   // recent files as top-level items FX0..FX19: 600..619

// Menu items that only open a submenu carry no command of their own.
inline constexpr int kCmdNone = 0;

}  // namespace app
