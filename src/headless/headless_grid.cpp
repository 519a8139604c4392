#include <stdexcept>

#include "headless/headless_backend.h"

namespace headless {

// The headless grid works on the component's model directly: GridDriver plays the user,
// Paint asks for the cells. A program change needs no further bookkeeping here.
void HeadlessBackend::AttachGrid(ui::WidgetId grid, ui::GridModel& model) { At(grid).grid = &model; }

void HeadlessBackend::GridChanged(ui::WidgetId grid) {
  if (At(grid).grid == nullptr) throw std::logic_error("grid changed before it was attached");
}

}  // namespace headless
