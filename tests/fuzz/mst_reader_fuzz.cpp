// The .mst reader on any file: opening checks the header and size, and every record it
// then claims can be read, in both directions, without reading outside its buffer.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "mst_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string file = "/tmp/sorvano-mst-fuzz-" + std::to_string(getpid()) + ".mst";
  FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) std::abort();
  std::fwrite(data, 1, size, out);
  std::fclose(out);
  korvax::MstReader reader;
  if (reader.Open(file) != korvax::MstOpenResult::kOk) return 0;
  const unsigned char* record = nullptr;
  for (int32_t number = 1; number <= reader.count(); ++number) {
    if (!reader.Read(number, &record)) std::abort();
    (void)korvax::DecodeMstRecord(record);
  }
  for (int32_t number = reader.count(); number >= 1; --number) {
    if (!reader.Read(number, &record)) std::abort();
  }
  if (reader.Read(reader.count() + 1, &record) || reader.Read(0, &record)) std::abort();
  return 0;
}
