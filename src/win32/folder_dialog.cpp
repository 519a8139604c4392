// The shell's folder dialog for the Win32 backend, opening at the folder given (its
// callback selects it once the dialog is up).
#include "win32/win32_backend.h"

#include <shlobj.h>

#include <string>

#include "win32/wide_text.h"

namespace win32 {
namespace {

int CALLBACK SelectInitialFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data != 0) {
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  }
  return 0;
}

}  // namespace

bool Win32Backend::ShowFolderDialog(std::string_view title, std::string& folder) {
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) return false;
  const std::wstring wide_title = Wide(title);
  const std::wstring initial = Wide(folder);
  wchar_t display_name[MAX_PATH] = {};
  BROWSEINFOW browse{};
  browse.hwndOwner = GetActiveWindow();
  browse.pszDisplayName = display_name;
  browse.lpszTitle = wide_title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = SelectInitialFolder;
  browse.lParam = reinterpret_cast<LPARAM>(initial.c_str());
  bool chosen = false;
  if (LPITEMIDLIST item = SHBrowseForFolderW(&browse)) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(item, path)) {
      folder = Narrow(path);
      chosen = true;
    }
    allocator->Free(item);
  }
  allocator->Release();
  return chosen;
}

}  // namespace win32
