#include "headless/headless_app.h"

#include "ui/application.h"

namespace headless {

ScopedHeadlessApp::ScopedHeadlessApp() {
  ui::Application().Reset();
  ui::Application().SetBackend(&backend_);
  ui::Application().Title = "Sorvano";
}

ScopedHeadlessApp::~ScopedHeadlessApp() {
  ui::Application().Reset();
  ui::Application().SetBackend(nullptr);
}

}  // namespace headless
