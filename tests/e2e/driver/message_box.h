// A message box of another process (a top-level "#32770" window): its text (the static
// control 0xFFFF), its caption, which of the usual buttons it has, and pressing one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class MessageBoxView {
 public:
  explicit MessageBoxView(HWND box) : box_(box) {}

  HWND handle() const { return box_; }
  std::string Text() const;
  std::string Caption() const;
  // The visible buttons among IDOK, IDCANCEL, IDYES and IDNO, in that order.
  std::vector<int> Buttons() const;
  bool HasButton(int id) const;
  // Clicks the button (BM_CLICK); throws when the box has no such button.
  void Press(int id) const;

 private:
  HWND box_;
};

// "OK", "Cancel", "Yes", "No": for readable failure messages.
std::string ButtonName(int id);

}  // namespace e2e
