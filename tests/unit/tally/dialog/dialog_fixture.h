// The main window and the tally dialog on the headless backend, with helpers that work
// the dialog while it is shown modally, as the operator does, and read back the settings.
#pragma once

#include <functional>
#include <string>

#include "support/station_fixture.h"
#include "ui/event.h"

class DialogTest : public StationTest {
 protected:
  // Starts with a usable list (header fields 5 and 6 given) and `settings` as the file.
  TStation& StartWith(const std::string& settings = {}, const std::string& award_name = "",
                      const std::string& start_date = "") {
    if (!settings.empty()) WriteSettings(settings);
    std::string list = ListText(12);
    list.replace(0, list.find('\r'),
                 "No,Name,Code,Place,Worked," + award_name + "," + start_date + ",0");
    WriteFile(Path("list.scsv"), list);
    return Start({Path("list.scsv")});
  }

  // Opens the dialog from the main window's menu, runs `work` while it is shown, then
  // closes it with its close button.
  void WorkDialog(const std::function<void(TSorvaB&)>& work = {}) {
    backend().on_modal_loop = [&](ui::WidgetId) {
      if (work) work(*dialog_);
      if (dialog_->Visible()) dialog_->BitBtn1.Click();
    };
    station_->S1->Click();
    backend().on_modal_loop = nullptr;
  }

  std::string Set(const std::string& key, const std::string& missing = "<missing>") const {
    return station_->Settings->ReadString("Set", key, missing);
  }

  // Ends the run (the settings file is written) and starts again on the same files.
  void Restart() {
    ASSERT_TRUE(CloseAndEnd());
    Start({Path("list.scsv")});
  }

  // What a key typed into `control` leaves of the key (0 = consumed).
  static int Type(ui::Widget& control, int key, ui::EventKind kind = ui::EventKind::kKeyPress) {
    ui::Event event{kind};
    event.key = key;
    control.Dispatch(event);
    return event.key;
  }
  static void TypeText(ui::Widget& control, const std::string& keys) {
    for (unsigned char key : keys) Type(control, key);
  }
  static void Enter(ui::Widget& control) {
    ui::Event event{ui::EventKind::kEnter};
    control.Dispatch(event);
  }
  static void Click(ui::Widget& control) {
    ui::Event event{ui::EventKind::kClick};
    control.Dispatch(event);
  }
};
