#include "update/version_page_url.h"

#include <cstdlib>

#include "update/web_pages.h"

namespace update {

std::string VersionPageUrl() {
  if (const char* test_page = std::getenv("SORVANO_TEST_VERSION_PAGE"); test_page != nullptr && *test_page != '\0') {
    return test_page;
  }
  return std::string(kWebPages[kVersionPageEntry]);
}

}  // namespace update
