// A top-level window. Its events fire the form's handlers; the derived form class wires
// its designer-named handlers (FormShow, FormCloseQuery, ...) to them.
#pragma once

#include "ui/not_in_core.h"

#include <functional>

#include "ui/widget.h"

namespace ui {

class TForm : public Widget {
 public:
  // `class_name` names the window class, e.g. "TStation".
  explicit TForm(std::string_view class_name);

  std::function<void()> OnShow;
  std::function<void()> OnActivate;
  std::function<void(bool& can_close)> OnCloseQuery;
  // After a close was allowed, before the form hides.
  std::function<void()> OnClose;
  std::function<void()> OnExitSizeMove;
  std::function<void()> OnResize;
  std::function<void(int delta)> OnMouseWheel;

  // Fires OnShow and makes the window visible, unless the handler ended the program.
  void Show();
  // Asks OnCloseQuery; when allowed hides the form, and ends the program when this is
  // the main form. Returns whether the form closed.
  bool Close();
  // Shows the form and returns when it closes; the program's other windows take no input
  // meanwhile.
  void ShowModal();

  WindowState GetWindowState() const;
  void SetWindowState(WindowState state);
  Rect NormalBounds() const;
  // The client area's size (left and top are 0).
  Rect ClientRect() const;
  // A fixed dialog frame with this client size, centred on the screen.
  void MakeDialogFrame(int client_width, int client_height);

 protected:
  void HandleEvent(Event& event) override;

 private:
  bool modal_ = false;
};

}  // namespace ui
