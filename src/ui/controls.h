// The standard controls. TWinControl carries the events every focusable control raises;
// the classes below add what their kind of control holds.
#pragma once

#include "ui/not_in_core.h"

#include <cstdint>

#include <functional>
#include <string>
#include <vector>

#include "ui/font.h"
#include "ui/widget.h"

namespace ui {

class TForm;

class TWinControl : public Widget {
 public:
  TWinControl(WidgetKind kind, Widget& parent);

  std::function<void(Widget& sender)> OnClick;
  std::function<void(Widget& sender)> OnDblClick;
  std::function<void(Widget& sender)> OnChange;
  std::function<void(Widget& sender)> OnEnter;
  std::function<void(Widget& sender)> OnExit;
  // Setting `key` to 0 consumes the key.
  std::function<void(Widget& sender, int& key, unsigned shift)> OnKeyDown;
  std::function<void(Widget& sender, int& key)> OnKeyPress;
  std::function<void(Widget& sender, int key, unsigned shift)> OnKeyUp;

  void SetFont(const Font& font);
  const Font& GetFont() const { return font_; }
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;
  void SetFocus();
  void Invalidate();

 protected:
  void HandleEvent(Event& event) override;

 private:
  TForm* OwningForm() const;
  // Moves the focus for Tab or Shift+Tab (or swallows the Tab character); true when the
  // event was the form's.
  bool TabKey(const Event& event);

  Font font_;
};

class TButton : public TWinControl {
 public:
  explicit TButton(Widget& parent) : TWinControl(WidgetKind::kButton, parent) {}
  // What a click by the user does.
  void Click();
};

class TCheckBox : public TWinControl {
 public:
  // A three-state box can also be greyed by a click.
  explicit TCheckBox(Widget& parent, bool three_state = false)
      : TWinControl(three_state ? WidgetKind::kThreeStateCheckBox : WidgetKind::kCheckBox, parent) {}
  bool Checked() const { return State() == CheckState::kChecked; }
  void SetChecked(bool checked);
  CheckState State() const;
  void SetState(CheckState state);
};

class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(Widget& parent) : TWinControl(WidgetKind::kRadioButton, parent) {}
  bool Checked() const;
  void SetChecked(bool checked);
};

class TEdit : public TWinControl {
 public:
  explicit TEdit(Widget& parent) : TWinControl(WidgetKind::kEdit, parent) {}
  std::string Text() const { return Caption(); }
  void SetText(std::string_view text) { SetCaption(text); }
  void SetReadOnly(bool read_only);
  // Puts the caret before byte `offset` of the text.
  void SetCaret(int offset);

 protected:
  TEdit(WidgetKind kind, Widget& parent) : TWinControl(kind, parent) {}
};

// An edit box for a positive whole number with up and down arrows beside it.
class TSpinEdit : public TEdit {
 public:
  explicit TSpinEdit(Widget& parent) : TEdit(WidgetKind::kSpinEdit, parent) {}
};

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(Widget& parent) : TWinControl(WidgetKind::kComboBox, parent) {}
  std::vector<std::string> Items() const;
  void SetItems(const std::vector<std::string>& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
};

class TLabel : public TWinControl {
 public:
  explicit TLabel(Widget& parent) : TWinControl(WidgetKind::kLabel, parent) {}
};

// Shows the program's picture (its icon).
class TImage : public TWinControl {
 public:
  explicit TImage(Widget& parent) : TWinControl(WidgetKind::kImage, parent) {}
};

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(Widget& parent) : TWinControl(WidgetKind::kGroupBox, parent) {}
};

enum class Bevel { kNone, kLowered, kRaised };

class TPanel : public TWinControl {
 public:
  explicit TPanel(Widget& parent) : TWinControl(WidgetKind::kPanel, parent) {}
  Bevel BevelInner = Bevel::kNone;
};

// A long job sets the position for every item: the window system is told only when the
// bar would be drawn differently (a pixel further on, or either end), and at most every
// kRepaintIntervalMs, since a progress bar repaints itself at once when it moves.
class TProgressBar : public TWinControl {
 public:
  static constexpr std::uint64_t kRepaintIntervalMs = 15;

  explicit TProgressBar(Widget& parent) : TWinControl(WidgetKind::kProgressBar, parent) {}
  int Max() const { return max_; }
  void SetMax(int max);
  int Position() const { return position_; }
  void SetPosition(int position);

 private:
  long long PixelOf(int position) const;

  int max_ = 100;
  int position_ = 0;
  int shown_position_ = 0;
  int width_ = 0;  // of the bar when the range was set
  std::uint64_t shown_at_ = 0;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(Widget& parent) : TWinControl(WidgetKind::kStatusBar, parent) {}
  // Widths of the panels; -1 reaches to the right edge.
  void SetPanels(const std::vector<int>& widths);
  const std::vector<int>& PanelWidths() const { return widths_; }
  void SetPanelWidth(int panel, int width);
  std::string PanelText(int panel) const;
  void SetPanelText(int panel, std::string_view text);

 private:
  std::vector<int> widths_;
};

}  // namespace ui
