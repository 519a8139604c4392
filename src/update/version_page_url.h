// The version page the about dialog reads: the build's download page, unless the
// environment names another in SORVANO_TEST_VERSION_PAGE (the end-to-end tests point it
// at their local server; nothing else sets it).
#pragma once

#include <string>

namespace update {

std::string VersionPageUrl();

}  // namespace update
