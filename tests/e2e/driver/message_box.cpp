#include "driver/message_box.h"

#include "driver/poll.h"
#include "driver/top_windows.h"

namespace e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr int kKnownButtons[] = {IDOK, IDCANCEL, IDYES, IDNO};
constexpr UINT kSendTimeoutMs = 5000;

}  // namespace

std::string MessageBoxView::Text() const { return ControlTextUtf8(box_, kMessageTextId); }

std::string MessageBoxView::Caption() const { return WindowTextUtf8(box_); }

std::vector<int> MessageBoxView::Buttons() const {
  std::vector<int> buttons;
  for (int id : kKnownButtons) {
    if (HasButton(id)) buttons.push_back(id);
  }
  return buttons;
}

bool MessageBoxView::HasButton(int id) const {
  HWND button = GetDlgItem(box_, id);
  return button != nullptr && IsWindowVisible(button);
}

void MessageBoxView::Press(int id) const {
  if (!HasButton(id)) throw E2eError("message box has no " + ButtonName(id) + " button");
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(GetDlgItem(box_, id), BM_CLICK, 0, 0, SMTO_NORMAL, kSendTimeoutMs,
                           &result)) {
    throw E2eError("message box does not answer the click on " + ButtonName(id));
  }
}

std::string ButtonName(int id) {
  switch (id) {
    case IDOK:
      return "OK";
    case IDCANCEL:
      return "Cancel";
    case IDYES:
      return "Yes";
    case IDNO:
      return "No";
    default:
      return "button " + std::to_string(id);
  }
}

}  // namespace e2e
