// Which installed face draws a font the program asks for. The settings name faces of
// the operators' machines ("FixedSys", "ＭＳ ゴシック"); where such a face is missing, or
// is a bitmap face that lacks letters the program shows (a substitute FixedSys draws
// every "M" as a block), a Japanese face that has them all is used instead.
#pragma once

#include "ui/not_in_core.h"

#include <windows.h>

#include <string>

namespace win32 {

// The face to create for `requested`: itself when it is installed and has every probe
// glyph in SHIFTJIS_CHARSET, else the first such face of a list of Japanese ones, else
// `requested` after all. Answers are kept for the run.
std::wstring UsableFace(const std::wstring& requested);

// A font of `points` points in the face UsableFace gives, in SHIFTJIS_CHARSET.
LOGFONTW UsableLogFont(const std::wstring& requested, int points, int style);

}  // namespace win32
