// Base of every component: owns one backend widget and turns backend events into the
// component's own events. Exceptions thrown by handlers stop here and reach the
// application's error box, so the program goes on after a failed command.
#pragma once

#include "ui/not_in_core.h"

#include <string>
#include <string_view>

#include "ui/event.h"
#include "ui/types.h"

namespace ui {

class Backend;

class Widget {
 public:
  Widget(WidgetKind kind, Widget* parent, std::string_view class_name = {});
  virtual ~Widget();
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;

  WidgetId Id() const { return id_; }
  Widget* Parent() const { return parent_; }

  // Called by backends. Runs the handler; what it throws is shown, not propagated.
  void Dispatch(Event& event);

  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);
  std::string Caption() const;
  void SetCaption(std::string_view caption);
  Rect Bounds() const;
  void SetBounds(Rect bounds);
  // Opens or closes the input method for typing Japanese in this widget's window.
  void SetInputMethodOpen(bool open);

  int Tag = 0;

 protected:
  virtual void HandleEvent(Event& event) = 0;
  Backend& backend() const;

 private:
  WidgetId id_ = 0;
  Widget* parent_ = nullptr;
};

}  // namespace ui
