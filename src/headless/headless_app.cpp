#include "headless/headless_app.h"

#include "ui/application.h"

namespace headless {

ScopedHeadlessApp::ScopedHeadlessApp() {
  ui::Application().Reset();
  ui::Application().SetBackend(&backend_);
  ui::Application().SetCopyDataChannel(&copy_data_);
  ui::Application().Title = "Sorvano";
}

ScopedHeadlessApp::~ScopedHeadlessApp() {
  ui::Application().Reset();
  ui::Application().SetBackend(nullptr);
  ui::Application().SetCopyDataChannel(nullptr);
}

}  // namespace headless
