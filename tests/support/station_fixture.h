// A fresh program folder with a settings file and list files, and the two forms created
// on the headless backend as the start sequence creates them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/station.h"
#include "headless/grid_driver.h"
#include "headless/headless_app.h"
#include "support/temp_folder.h"
#include "tally/dialog/sorva_b.h"
#include "ui/application.h"

class StationTest : public ::testing::Test {
 protected:
  void SetUp() override { ui::Application().ExeName = Path("Sorvano.exe"); }
  void TearDown() override { ui::Application().DestroyForms(); }

  std::string Path(const std::string& name) const { return folder_.Name(name); }

  static void WriteFile(const std::string& path, const std::string& bytes) { PutBytes(path, bytes); }
  static std::string ReadFile(const std::string& path) { return GetBytes(path); }

  // A list of `records` targets; record n gets `worked(n)` as field 4 when not empty.
  std::string ListText(int records, const std::vector<std::string>& worked = {}) const {
    std::string text = "No,Name,Code,Place,Worked,Award\r\n";
    for (int n = 1; n <= records; ++n) {
      text += "A-" + std::to_string(n) + ",Name" + std::to_string(n) + ",01" + std::to_string(n) +
              ",Place";
      if (static_cast<size_t>(n - 1) < worked.size() && !worked[static_cast<size_t>(n - 1)].empty()) {
        text += "," + worked[static_cast<size_t>(n - 1)];
      }
      text += "\r\n";
    }
    return text;
  }

  void WriteSettings(const std::string& text) const { WriteFile(Path("Sorvano.ini"), text); }
  std::string Settings() const { return ReadFile(Path("Sorvano.ini")); }

  // Creates the main window (which makes the tally dialog) and shows it, as the start
  // sequence does.
  TStation& Start(const std::vector<std::string>& arguments) {
    ui::Application().Arguments = arguments;
    station_ = &ui::Application().CreateForm<TStation>();
    dialog_ = station_->SorvaB.get();
    station_->Show();
    return *station_;
  }

  // Closing as the user does, then the end of the run (which writes the settings).
  bool CloseAndEnd() {
    const bool closed = station_->Close();
    if (closed) ui::Application().DestroyForms();
    return closed;
  }

  headless::HeadlessBackend& backend() { return app_.backend(); }

  headless::ScopedHeadlessApp app_;
  TempFolder folder_;
  TStation* station_ = nullptr;
  TSorvaB* dialog_ = nullptr;
};
