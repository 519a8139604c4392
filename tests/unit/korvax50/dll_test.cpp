// Korvax50.dll as the program binds it: ten undecorated __stdcall exports, and the old
// build that the start-up check must refuse.
#if defined(_WIN32)
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "mst_writer.h"
#include "support/temp_folder.h"
#include "tally/qso_record.h"

namespace {

const char* const kExports[] = {"GetKrdllVersion", "SetDbsShare", "KorvaxOpen", "KRX_read",
                                "KorvaxClose",     "DateComp",    "FreqPCheck", "isPortable",
                                "ChosonCheck",     "StrToLong"};

class Library {
 public:
  explicit Library(const char* path) : module_(LoadLibraryA(path)) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  bool loaded() const { return module_ != nullptr; }
  template <typename Function>
  Function Get(const char* name) const {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;
};

using VersionFn = int32_t(__stdcall*)();
using OpenFn = int32_t(__stdcall*)(int32_t, char*, const char*, int32_t);
using ReadFn = int32_t(__stdcall*)(char*, int32_t, int32_t);
using CloseFn = int32_t(__stdcall*)(char*, int32_t);

TEST(Dll, ExportsTheTenUndecoratedNamesAndReadsThroughThem) {
  Library library(KORVAX50_DLL_DIR "/Korvax50.dll");
  ASSERT_TRUE(library.loaded());
  for (const char* name : kExports) EXPECT_NE(library.Get<void*>(name), nullptr) << name;
  EXPECT_EQ(library.Get<void*>("_KRX_read@12"), nullptr);
  EXPECT_EQ(library.Get<void*>("KRX_read@12"), nullptr);
  EXPECT_GE(library.Get<VersionFn>("GetKrdllVersion")(), 337920);

  // A round trip through the exports checks the calling convention as well.
  TempFolder folder;
  std::string path = folder.Name("log.mst");
  korvax::MstWriter writer(path);
  writer.Append({.call = "JA1ZZA", .remarks1 = "\x81\xa0\x31\x30-001,"});
  ASSERT_TRUE(writer.Finish());
  QsoRecord record;
  ASSERT_EQ(library.Get<OpenFn>("KorvaxOpen")(0, record.data(), path.c_str(), 1), 0);
  ASSERT_EQ(library.Get<ReadFn>("KRX_read")(record.data(), 1, 3), 0);
  EXPECT_EQ(record.Text(qso_field::kCall), "JA1ZZA");
  EXPECT_EQ(record.Text(qso_field::kRemarks1), "\x81\xa0\x31\x30-001,");
  library.Get<CloseFn>("KorvaxClose")(record.data(), 1);
  EXPECT_FALSE(record.IsOpen());
}

TEST(Dll, OldBuildReportsAVersionTheProgramRefuses) {
  Library library(KORVAX50_DLL_DIR "/old/Korvax50.dll");
  ASSERT_TRUE(library.loaded());
  for (const char* name : kExports) EXPECT_NE(library.Get<void*>(name), nullptr) << name;
  EXPECT_LT(library.Get<VersionFn>("GetKrdllVersion")(), 337920);
}

}  // namespace
#endif
