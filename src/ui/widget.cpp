#include "ui/widget.h"

#include <exception>

#include "ui/application.h"
#include "ui/backend.h"

namespace ui {

Widget::Widget(WidgetKind kind, Widget* parent, std::string_view class_name) : parent_(parent) {
  id_ = backend().CreateWidget(kind, parent ? parent->Id() : 0, *this, class_name);
}

Widget::~Widget() { backend().DestroyWidget(id_); }

Backend& Widget::backend() const { return Application().backend(); }

void Widget::Dispatch(Event& event) {
  // A form's handlers may use its other components, which may be gone already.
  if (Application().DestroyingForms()) return;
  try {
    HandleEvent(event);
  } catch (const std::exception& error) {
    Application().ShowException(error);
  }
}

bool Widget::Enabled() const { return backend().GetEnabled(id_); }
void Widget::SetEnabled(bool enabled) { backend().SetEnabled(id_, enabled); }
bool Widget::Visible() const { return backend().GetVisible(id_); }
void Widget::SetVisible(bool visible) { backend().SetVisible(id_, visible); }
std::string Widget::Caption() const { return backend().GetText(id_); }
void Widget::SetCaption(std::string_view caption) { backend().SetText(id_, caption); }
Rect Widget::Bounds() const { return backend().GetBounds(id_); }
void Widget::SetBounds(Rect bounds) { backend().SetBounds(id_, bounds); }
void Widget::SetInputMethodOpen(bool open) { backend().SetInputMethodOpen(id_, open); }

}  // namespace ui
