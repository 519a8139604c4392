#include <algorithm>
#include <map>

#include "dialog_fixture.h"

namespace {

constexpr int kVisibleComboHeight = 24;  // the rest of a combo's height is its drop-down list

// What the operator reads on a control, without the "&" that marks its access key.
std::string ShownCaption(std::string caption) {
  std::erase(caption, '&');
  return caption;
}

bool Inside(const ui::Rect& inner, const ui::Rect& outer) {
  return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= outer.width &&
         inner.top + inner.height <= outer.height;
}

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// Every control lies inside its parent, no two controls of one parent overlap, and every
// caption fits its control in the dialog's font.
TEST_F(DialogTest, ControlsFitTheClientAreaAndTheirCaptions) {
  StartWith();
  WorkDialog();  // shown once, so that the captions set at show are in place
  EXPECT_EQ(dialog_->ClientRect(), (ui::Rect{0, 0, 564, 570}));
  const headless::HeadlessBackend& ui_state = backend();
  std::map<ui::WidgetId, std::vector<std::pair<ui::WidgetId, ui::Rect>>> children;
  // The dialog's widgets are created after the form, the award boxes last.
  for (ui::WidgetId id = dialog_->Id() + 1; id <= dialog_->Awd[23]->Id(); ++id) {
    const auto* state = ui_state.Find(id);
    if (state == nullptr) continue;
    ui::Rect bounds = state->bounds;
    if (state->kind == ui::WidgetKind::kComboBox) bounds.height = kVisibleComboHeight;
    const ui::Rect parent = state->parent == dialog_->Id() ? dialog_->ClientRect()
                                                           : ui_state.Find(state->parent)->bounds;
    EXPECT_TRUE(Inside(bounds, parent)) << state->text << " id " << id;
    for (const auto& [other, other_bounds] : children[state->parent]) {
      EXPECT_FALSE(Overlap(bounds, other_bounds))
          << state->text << " / " << ui_state.Find(other)->text;
    }
    children[state->parent].emplace_back(id, bounds);

    int room = bounds.width;
    switch (state->kind) {
      case ui::WidgetKind::kCheckBox:
      case ui::WidgetKind::kThreeStateCheckBox:
      case ui::WidgetKind::kRadioButton:
        room -= 20;  // the box or circle and its gap
        break;
      case ui::WidgetKind::kButton:
      case ui::WidgetKind::kGroupBox:
        room -= 16;
        break;
      default:
        break;
    }
    const int needed = dialog_->Edit1.TextWidth(ShownCaption(state->text));
    if (state->kind != ui::WidgetKind::kEdit && state->kind != ui::WidgetKind::kSpinEdit &&
        state->kind != ui::WidgetKind::kComboBox) {
      EXPECT_GE(room, needed) << state->text;
    }
  }
  EXPECT_FALSE(dialog_->Progress1.Visible());
}

}  // namespace
