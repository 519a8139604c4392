// The version page from the network: the build search, the link search and the download
// name check read only inside the page, and a name that passes is a plain file name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/cp932.h"
#include "update/version_page.h"

namespace {

// No single-byte character of the name parts folders or names a drive (a 0x5C that
// trails a lead byte is half of a Japanese character, not a separator).
void CheckPlain(const std::string& name) {
  for (size_t pos = 0; pos < name.size(); pos += cp932::CharLength(name, pos)) {
    if (cp932::CharLength(name, pos) == 2) continue;
    const char c = name[pos];
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view page(reinterpret_cast<const char*>(data), size);
  const std::string normal = update::NormalizeLineBreaks(page);
  if (const auto start = update::FindBuildStart(normal)) {
    if (*start > normal.size()) std::abort();
    const std::string build = update::BuildAt(normal, *start);
    if (build.size() > 10) std::abort();
    (void)update::CheckResultText("2021/01/01", build);
  }
  if (const auto target = update::FindLinkTarget(normal)) {
    if (target->size() > 32) std::abort();
    (void)update::DownloadUrl("http://example.invalid/vep/page.html", *target);
    if (const auto name = update::DownloadFileName(*target)) {
      if (name->empty() || name->size() > 16 || *name == "." || *name == "..") std::abort();
      CheckPlain(*name);
    }
  }
  // The name check on any text, not only on what the link search gives.
  if (const auto name = update::DownloadFileName(page)) CheckPlain(*name);
  (void)update::StoredFolder(page);
  (void)update::WithTrailingBackslash(page);
  return 0;
}
