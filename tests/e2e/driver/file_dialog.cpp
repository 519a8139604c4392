#include "driver/file_dialog.h"

#include "driver/message_box.h"
#include "driver/poll.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"

namespace e2e {
namespace {

// The file-name box: an edit inside the combo box cmb13 of the explorer-style dialog, or
// the plain edit edt1 of the old style.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

// Wine's cmb13 is a ComboBoxEx32 whose combo box holds the edit.
HWND FileNameBox(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, kFileNameCombo)) {
    if (HWND edit = FindDescendant(combo, L"Edit")) return edit;
  }
  return GetDlgItem(dialog, kFileNameEdit);
}

}  // namespace

void EnterFileName(HWND dialog, const std::wstring& name) {
  // The dialog shows before its controls are all made.
  HWND edit = nullptr;
  if (!PollUntil([&] { return (edit = FileNameBox(dialog)) != nullptr; })) {
    std::string children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      children += " " + WideToUtf8(ClassNameOf(child)) + "#" + std::to_string(GetDlgCtrlID(child));
    }
    throw E2eError("the open dialog has no file-name box; its controls:" + children);
  }
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  MessageBoxView(dialog).Press(IDOK);
}

}  // namespace e2e
