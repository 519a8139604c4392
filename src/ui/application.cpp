#include "ui/application.h"

#include <cassert>

#include "ui/form.h"
#include "ui/message_box.h"

namespace ui {

TApplication& Application() {
  static TApplication application;
  return application;
}

Backend& TApplication::backend() {
  assert(backend_ != nullptr && "no UI backend installed");
  return *backend_;
}

CopyDataChannel& TApplication::copy_data() {
  assert(copy_data_ != nullptr && "no WM_COPYDATA channel installed");
  return *copy_data_;
}

int TApplication::ShowMessage(std::string_view text, std::string_view caption, unsigned flags) {
  return backend().ShowMessageBox(text, caption, flags);
}

void TApplication::ShowException(const std::exception& error) {
  ShowMessage(error.what(), Title, kMbOk | kMbIconError);
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
  if (main_form_ == nullptr) main_form_ = form.get();
  forms_.push_back(std::move(form));
}

void TApplication::Run() {
  if (terminated_ || main_form_ == nullptr) return;
  main_form_->Show();
  if (terminated_) return;
  backend().RunMessageLoop();
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  if (backend_ != nullptr) backend_->Terminate();
}

void TApplication::DestroyForms() {
  destroying_forms_ = true;
  while (!forms_.empty()) forms_.pop_back();
  main_form_ = nullptr;
  destroying_forms_ = false;
}

void TApplication::Reset() {
  DestroyForms();
  terminated_ = false;
  Title.clear();
  ExeName.clear();
  Arguments.clear();
}

}  // namespace ui
