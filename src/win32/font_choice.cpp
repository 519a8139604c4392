#include "win32/font_choice.h"

#include <cwchar>
#include <map>

#include "ui/font.h"

namespace win32 {
namespace {

// Letters the program shows in every font: Latin capitals, kana, kanji and the marks.
constexpr wchar_t kProbe[] = L"MW\u30b4\u99c5\u25c6\u25a0\uff1d";  // MWゴ駅◆■＝

// Japanese faces with all of those, the fixed-pitch ones first: the dialog's layout
// counts on even widths. Names as Windows and as Linux systems know them.
constexpr const wchar_t* kFallbackFaces[] = {
    L"\uff2d\uff33 \u30b4\u30b7\u30c3\u30af",  // ＭＳ ゴシック
    L"MS Gothic",     L"IPAGothic",  L"Noto Sans Mono CJK JP", L"VL Gothic",
    L"TakaoGothic",   L"MS UI Gothic", L"Meiryo",           L"IPAPGothic",
    L"Droid Sans Fallback",
};

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool Installed(HDC dc, const std::wstring& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

bool HasEveryProbeGlyph(HDC dc, const std::wstring& face) {
  LOGFONTW log_font{};
  log_font.lfHeight = -16;
  log_font.lfCharSet = SHIFTJIS_CHARSET;
  wcsncpy(log_font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&log_font);
  if (font == nullptr) return false;
  HGDIOBJ previous = SelectObject(dc, font);
  constexpr int kLength = static_cast<int>(std::size(kProbe)) - 1;
  WORD glyphs[kLength] = {};
  const DWORD converted = GetGlyphIndicesW(dc, kProbe, kLength, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
  bool complete = converted == static_cast<DWORD>(kLength);
  // A missing glyph is 0xFFFF; a face that maps letters to glyph 0 draws its empty box.
  for (WORD glyph : glyphs) complete = complete && glyph != 0xFFFF && glyph != 0;
  SelectObject(dc, previous);
  DeleteObject(font);
  return complete;
}

bool Usable(HDC dc, const std::wstring& face) {
  return Installed(dc, face) && HasEveryProbeGlyph(dc, face);
}

}  // namespace

std::wstring UsableFace(const std::wstring& requested) {
  static std::map<std::wstring, std::wstring> chosen;
  if (auto known = chosen.find(requested); known != chosen.end()) return known->second;
  HDC dc = GetDC(nullptr);
  std::wstring face = requested;
  if (!Usable(dc, requested)) {
    for (const wchar_t* fallback : kFallbackFaces) {
      if (Usable(dc, fallback)) {
        face = fallback;
        break;
      }
    }
  }
  ReleaseDC(nullptr, dc);
  chosen.emplace(requested, face);
  return face;
}

LOGFONTW UsableLogFont(const std::wstring& requested, int points, int style) {
  HDC screen = GetDC(nullptr);
  const int pixels_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTW log_font{};
  log_font.lfHeight = -MulDiv(points, pixels_per_inch, 72);
  log_font.lfWeight = (style & ui::kFontBold) ? FW_BOLD : FW_NORMAL;
  log_font.lfItalic = (style & ui::kFontItalic) != 0;
  log_font.lfUnderline = (style & ui::kFontUnderline) != 0;
  log_font.lfStrikeOut = (style & ui::kFontStrikeOut) != 0;
  log_font.lfCharSet = SHIFTJIS_CHARSET;
  log_font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log_font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log_font.lfQuality = DEFAULT_QUALITY;
  log_font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  wcsncpy(log_font.lfFaceName, UsableFace(requested).c_str(), LF_FACESIZE - 1);
  return log_font;
}

}  // namespace win32
