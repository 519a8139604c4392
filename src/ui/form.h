// A top-level window. Its events fire the form's handlers; the derived form class wires
// its designer-named handlers (FormShow, FormCloseQuery, ...) to them.
#pragma once

#include "ui/not_in_core.h"

#include <functional>
#include <vector>

#include "ui/copy_data.h"
#include "ui/widget.h"

namespace ui {

class TWinControl;

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
  // A WM_COPYDATA block from another program; its data lives only during the call.
  std::function<void(const CopyData& block)> OnCopyData;
  // The program lost the activation to another program.
  std::function<void()> OnAppDeactivate;

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
  // The smallest client area the user can size the window to.
  void SetMinClientSize(int width, int height);

  // The controls that Tab and Shift+Tab go through, in order. A form shown as a dialog
  // leaves it empty: the window system's dialog keys do that job there.
  std::vector<TWinControl*> TabOrder;
  // Focuses the next (or previous) enabled, visible control of TabOrder after `from`;
  // false when `from` is not in it.
  bool SelectNext(const TWinControl& from, bool forward);

 protected:
  void HandleEvent(Event& event) override;

 private:
  bool modal_ = false;
};

}  // namespace ui
