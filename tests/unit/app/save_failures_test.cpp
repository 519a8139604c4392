// Every file the program replaces (and a new QSO database), with a failure injected at each step of the write in
// turn (creating the temporary file, writing, flushing, closing, renaming): each time the
// old file is still whole, nothing is left beside it, and the operator is told; once no
// step fails the new content is there complete.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/startup.h"
#include "base/file_error.h"
#include "base/file_faults.h"
#include "headless/headless_app.h"
#include "mst_writer.h"
#include "settings/settings_store.h"
#include "support/temp_folder.h"
#include "targets/list_file_io.h"

namespace {

namespace faults = platform::faults;

struct FaultOff {
  ~FaultOff() { faults::FailStep(0); }
};

// Runs `save` once without failures to count its steps, then once failing at each step;
// `failed` says whether the failure was reported.
void SaveFailingAtEveryStep(const TempFolder& folder, const std::string& file,
                            const std::string& old_bytes, const std::string& new_bytes,
                            const std::function<bool()>& save_reports_failure) {
  FaultOff off;
  PutBytes(file, old_bytes);
  faults::FailStep(0);
  EXPECT_FALSE(save_reports_failure());
  const int steps = faults::StepsTaken();
  ASSERT_GE(steps, 4);  // create, write, flush, close, rename
  EXPECT_EQ(GetBytes(file), new_bytes);
  for (int step = 1; step <= steps; ++step) {
    SCOPED_TRACE("failing step " + std::to_string(step) + " of " + std::to_string(steps));
    PutBytes(file, old_bytes);
    faults::FailStep(step);
    EXPECT_TRUE(save_reports_failure());
    EXPECT_EQ(GetBytes(file), old_bytes);
    EXPECT_EQ(folder.Entries().size(), 1u);
  }
}

TEST(SaveFailures, TheListFileIsOldOrNewNeverAMix) {
  TempFolder folder;
  const std::string list = folder.Name("list.scsv");
  const std::vector<std::string> lines(300, std::string(200, 'n'));
  std::string new_bytes;
  for (const auto& line : lines) new_bytes += line + "\r\n";
  SaveFailingAtEveryStep(folder, list, "old\r\n", new_bytes, [&] {
    try {
      targets::WriteListFile(list, lines);
      return false;
    } catch (const FileError& error) {
      return std::string(error.what()).find(list) != std::string::npos;
    }
  });
}

TEST(SaveFailures, TheSettingsFileIsOldOrNewNeverAMix) {
  TempFolder folder;
  const std::string ini = folder.Name("Sorvano.ini");
  SaveFailingAtEveryStep(folder, ini, "[Main]\r\nPos=1\r\n\r\n", "[Main]\r\nPos=2\r\n\r\n", [&] {
    TKrxIni settings(ini);
    settings.WriteString("Main", "Pos", "2");
    return !settings.SaveIfChanged().ok();
  });
}

TEST(SaveFailures, TheLoggersSettingsFileIsOldOrNewNeverAMix) {
  headless::ScopedHeadlessApp app;
  TempFolder folder;
  const std::string program = folder.Name("Sorvano.exe");
  const std::string ini = folder.Name("Korvaxw.ini");
  const std::string old_bytes = "; the logger's own\r\n[URL1]\r\n3=other.exe\r\n\r\n";
  const std::string new_bytes =
      "[URL1]\r\n3=other.exe\r\n4=" + program + "\r\n\r\n[URL2]\r\n4=Sorvano\r\n\r\n";
  SaveFailingAtEveryStep(folder, ini, old_bytes, new_bytes, [&] {
    auto& boxes = app.backend().message_boxes;
    boxes.clear();
    app::RegisterWithLogger(program, {"-Inst"});
    return std::any_of(boxes.begin(), boxes.end(), [&](const auto& box) {
      return box.text.find("Korvaxw.ini") != std::string::npos;
    });
  });
}

TEST(SaveFailures, ANewQsoDatabaseIsOldOrNewNeverAMix) {
  TempFolder folder;
  const std::string database = folder.Name("log.mst");
  std::string new_bytes;
  {
    korvax::MstWriter writer(database);
    for (int n = 0; n < 20; ++n) writer.Append({.call = "JA1ZZA", .date = "21/01/02"});
    ASSERT_TRUE(writer.Finish());
    new_bytes = GetBytes(database);
  }
  SaveFailingAtEveryStep(folder, database, "old database", new_bytes, [&] {
    korvax::MstWriter writer(database);
    for (int n = 0; n < 20; ++n) writer.Append({.call = "JA1ZZA", .date = "21/01/02"});
    return !writer.Finish();
  });
}

}  // namespace
