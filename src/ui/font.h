// A font as the settings file stores it: face name, size in points, style bits and
// colour.
#pragma once

#include "ui/not_in_core.h"

#include <cstdint>
#include <string>

namespace ui {

// 0x00BBGGRR, or kSystemColor plus a Windows system colour index.
using Color = std::uint32_t;
inline constexpr Color kSystemColor = 0x80000000u;
inline constexpr Color kClWindowText = kSystemColor | 8;
inline constexpr Color kClHighlight = kSystemColor | 13;
inline constexpr Color kClHighlightText = kSystemColor | 14;
inline constexpr Color kClBtnFace = kSystemColor | 15;
inline constexpr Color kClWhite = 0x00FFFFFF;
inline constexpr Color kClYellow = 0x0000FFFF;
inline constexpr Color kClMaroon = 0x00000080;

constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
         (static_cast<Color>(blue) << 16);
}

inline constexpr int kFontBold = 1;
inline constexpr int kFontItalic = 2;
inline constexpr int kFontUnderline = 4;
inline constexpr int kFontStrikeOut = 8;

struct Font {
  std::string name = "FixedSys";  // Shift-JIS face name
  int size = 12;                  // points
  int style = 0;                  // kFont* bits
  Color color = 0;
  bool operator==(const Font&) const = default;
};

}  // namespace ui
