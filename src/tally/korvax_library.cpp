#include <korvax50.h>

#include "tally/qso_source.h"

namespace tally {

int32_t KorvaxLibrary::GetKrdllVersion() { return ::GetKrdllVersion(); }
int32_t KorvaxLibrary::SetDbsShare(int32_t mode) { return ::SetDbsShare(mode); }
int32_t KorvaxLibrary::KorvaxOpen(int32_t reserved, char* record, const char* path, int32_t mode) {
  return ::KorvaxOpen(reserved, record, path, mode);
}
int32_t KorvaxLibrary::KRX_read(char* record, int32_t number, int32_t mode) {
  return ::KRX_read(record, number, mode);
}
int32_t KorvaxLibrary::KorvaxClose(char* record, int32_t mode) { return ::KorvaxClose(record, mode); }
int32_t KorvaxLibrary::DateComp(const char* a, const char* b) { return ::DateComp(a, b); }
int32_t KorvaxLibrary::FreqPCheck(const char* frequency) { return ::FreqPCheck(frequency); }
int32_t KorvaxLibrary::isPortable(const char* record) { return ::isPortable(record); }
int32_t KorvaxLibrary::ChosonCheck(const char* qth_code) { return ::ChosonCheck(qth_code); }
int32_t KorvaxLibrary::StrToLong(const char* text) { return ::StrToLong(text); }

}  // namespace tally
