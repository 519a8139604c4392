// The one application object: its title and program path, the message boxes, the
// message loop, and the forms it owns. The backend is installed at start-up (the Win32
// one in the program, the headless one in tests).
#pragma once

#include "ui/not_in_core.h"

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/backend.h"
#include "ui/copy_data.h"

namespace ui {

class TForm;

class TApplication {
 public:
  void SetBackend(Backend* backend) { backend_ = backend; }
  Backend& backend();
  // WM_COPYDATA with other programs (the logging program's window).
  void SetCopyDataChannel(CopyDataChannel* channel) { copy_data_ = channel; }
  CopyDataChannel& copy_data();

  std::string Title;    // caption of the program's message boxes
  std::string ExeName;  // full path of the program file (Shift-JIS)
  std::vector<std::string> Arguments;  // command line after the program name

  int ShowMessage(std::string_view text, std::string_view caption, unsigned flags);
  // The application's error box for a failed command.
  void ShowException(const std::exception& error);
  void ProcessMessages() { backend().ProcessMessages(); }
  void SetCursor(Cursor cursor) { backend().SetCursor(cursor); }

  // Creates a form; the first one created is the main form.
  template <class Form>
  Form& CreateForm() {
    auto form = std::make_unique<Form>();
    Form& created = *form;
    Adopt(std::move(form));
    return created;
  }
  TForm* MainForm() const { return main_form_; }

  // Shows the main form and dispatches messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Frees the forms, last created first; called when the loop has returned. Events
  // that the window system raises while they go are not dispatched.
  void DestroyForms();
  bool DestroyingForms() const { return destroying_forms_; }
  // Back to the state of a fresh process (tests).
  void Reset();

 private:
  void Adopt(std::unique_ptr<TForm> form);

  Backend* backend_ = nullptr;
  CopyDataChannel* copy_data_ = nullptr;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* main_form_ = nullptr;
  bool terminated_ = false;
  bool destroying_forms_ = false;
};

TApplication& Application();

}  // namespace ui
