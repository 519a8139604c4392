// The main menu bar and its items. Each item carries a fixed command id, so the window
// system and other processes (end-to-end tests) address items by number.
#pragma once

#include "ui/not_in_core.h"

#include <functional>
#include <string_view>

#include "ui/widget.h"

namespace ui {

class TForm;

class TMainMenu : public Widget {
 public:
  explicit TMainMenu(TForm& form);

 protected:
  void HandleEvent(Event&) override {}
};

class TMenuItem : public Widget {
 public:
  // A separator is an item whose caption is "-".
  TMenuItem(Widget& parent, int command, std::string_view caption,
            std::string_view shortcut = {}, int tag = 0);

  std::function<void(TMenuItem& sender)> OnClick;

  bool Checked() const;
  void SetChecked(bool checked);
  int Command() const { return command_; }
  // What a click by the user does: runs OnClick when the item is enabled.
  void Click();

 protected:
  void HandleEvent(Event& event) override;

 private:
  int command_;
};

}  // namespace ui
