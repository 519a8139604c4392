#include "driver/file_dialog.h"

#include "driver/message_box.h"
#include "driver/poll.h"

namespace e2e {
namespace {

// The file-name box: an edit inside the combo box cmb13 of the explorer-style dialog, or
// the plain edit edt1 of the old style.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

}  // namespace

void EnterFileName(HWND dialog, const std::wstring& name) {
  HWND edit = nullptr;
  if (HWND combo = GetDlgItem(dialog, kFileNameCombo)) edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  if (edit == nullptr) edit = GetDlgItem(dialog, kFileNameEdit);
  if (edit == nullptr) throw E2eError("the open dialog has no file-name box");
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  MessageBoxView(dialog).Press(IDOK);
}

}  // namespace e2e
