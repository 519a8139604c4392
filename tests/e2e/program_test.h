// What every end-to-end test starts from: a fresh folder named after the test with the
// program installed, the program started there, and, when the test fails, its folders
// kept for a look (the log says where).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "driver/app_process.h"
#include "driver/poll.h"
#include "driver/top_windows.h"
#include "driver/program_folder.h"
#include "driver/test_folder.h"
#include "driver/text_codec.h"

namespace e2e {

// "Suite.Test" of the running test, "/" of parameterised names as "_": a folder name.
inline std::wstring CurrentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::wstring name = Utf8ToWide(std::string(info->test_suite_name()) + "." + info->name());
  for (wchar_t& c : name) {
    if (c == L'/') c = L'_';
  }
  return name;
}

template <class GTestBase>
class ProgramTestOn : public GTestBase {
 protected:
  void TearDown() override {
    if (!this->HasFailure()) return;
    for (auto& folder : folders_) {
      folder->Keep();
      std::printf("kept the test folder %s\n", WideToUtf8(folder->path()).c_str());
    }
  }

  // A fresh folder named after the test (plus `suffix`) with the program installed as
  // `setup` says. The last one installed is folder().
  TestFolder& Install(const ProgramSetup& setup, const std::wstring& suffix = L"") {
    folders_.push_back(std::make_unique<TestFolder>(CurrentTestName() + suffix));
    InstallProgram(*folders_.back(), setup);
    return *folders_.back();
  }
  TestFolder& folder() { return *folders_.back(); }

  // The program started in `folder`, with `arguments`.
  static std::unique_ptr<AppProcess> Start(const TestFolder& folder,
                                           const std::vector<std::wstring>& arguments = {}) {
    return std::make_unique<AppProcess>(folder.PathOf(L"Sorvano.exe"), arguments, folder.path());
  }

 private:
  std::vector<std::unique_ptr<TestFolder>> folders_;
};

using ProgramTest = ProgramTestOn<::testing::Test>;

// Opens the tally dialog from the main window's menu and returns it once it shows.
inline HWND OpenTallyDialog(AppProcess& app) {
  app.PostCommand(app::kCmdS1);
  HWND dialog = nullptr;
  WaitFor("the tally dialog", [&] {
    for (HWND window : TopLevelWindows(app.id(), L"TSorvaB")) {
      if (IsWindowVisible(window)) dialog = window;
    }
    return dialog != nullptr;
  });
  return dialog;
}

}  // namespace e2e
