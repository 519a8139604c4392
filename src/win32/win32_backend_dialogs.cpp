// Common dialogs, the clipboard and the keyboard state for the Win32 backend.
#include "win32/win32_backend.h"

#include <commdlg.h>

#include <cstring>

#include "win32/font_choice.h"
#include "win32/wide_text.h"

namespace win32 {
namespace {

// "text|pattern|text|pattern" as the double-NUL-terminated list the dialog wants.
std::wstring DialogFilter(std::string_view filter) {
  std::wstring result = Wide(filter);
  for (wchar_t& character : result) {
    if (character == L'|') character = L'\0';
  }
  result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

}  // namespace

bool Win32Backend::ShowOpenDialog(ui::OpenDialogOptions& options) {
  std::wstring file_name(32768, L'\0');
  const std::wstring filter = DialogFilter(options.filter);
  const std::wstring title = Wide(options.title);
  const std::wstring default_ext = Wide(options.default_ext);
  const std::wstring initial_dir = Wide(options.initial_dir);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file_name.data();
  dialog.nMaxFile = static_cast<DWORD>(file_name.size());
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = default_ext.empty() ? nullptr : default_ext.c_str();
  dialog.lpstrInitialDir = initial_dir.empty() ? nullptr : initial_dir.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (options.must_exist) dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (!GetOpenFileNameW(&dialog)) return false;
  file_name.resize(wcslen(file_name.c_str()));
  options.file_name = Narrow(file_name);
  return true;
}

bool Win32Backend::ShowFontDialog(ui::Font& font) {
  // The dialog opens on the face that really draws the font, at the font's size.
  LOGFONTW log_font = UsableLogFont(Wide(font.name), font.size, font.style);
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpLogFont = &log_font;
  dialog.rgbColors = font.color & 0x00FFFFFF;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontW(&dialog)) return false;
  font.name = Narrow(log_font.lfFaceName);
  font.size = dialog.iPointSize / 10;
  font.style = (log_font.lfWeight >= FW_BOLD ? ui::kFontBold : 0) |
               (log_font.lfItalic ? ui::kFontItalic : 0) |
               (log_font.lfUnderline ? ui::kFontUnderline : 0) |
               (log_font.lfStrikeOut ? ui::kFontStrikeOut : 0);
  font.color = dialog.rgbColors;
  return true;
}

void Win32Backend::SetClipboardText(std::string_view text) {
  const std::wstring wide = Wide(text);
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

std::string Win32Backend::GetClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Narrow(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool Win32Backend::IsKeyDown(int virtual_key) { return GetKeyState(virtual_key) < 0; }

}  // namespace win32
