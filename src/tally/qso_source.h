// QsoSource: the ten functions of the logging library (Korvax50.dll) as an interface, so
// that the tally reaches the QSO database only through it. KorvaxLibrary forwards to the
// real library (bound through the import table on Windows, the static build natively);
// tests wrap it to corrupt records or count calls. Arguments and results are the library's.
#pragma once

#include <cstdint>

namespace tally {

class QsoSource {
 public:
  virtual ~QsoSource() = default;

  virtual int32_t GetKrdllVersion() = 0;
  virtual int32_t SetDbsShare(int32_t mode) = 0;
  // 0 = opened; `record` is a QsoRecord buffer.
  virtual int32_t KorvaxOpen(int32_t reserved, char* record, const char* path, int32_t mode) = 0;
  // 0 = record `number` is in the buffer.
  virtual int32_t KRX_read(char* record, int32_t number, int32_t mode) = 0;
  virtual int32_t KorvaxClose(char* record, int32_t mode) = 0;
  // Above 0 when date `a` is later than date `b` (yy/mm/dd).
  virtual int32_t DateComp(const char* a, const char* b) = 0;
  // Band index 0..14; 0 or less counts as the first band.
  virtual int32_t FreqPCheck(const char* frequency) = 0;
  // 0 or more: the station of the record last read was portable.
  virtual int32_t isPortable(const char* record) = 0;
  // Class of a QTH code; 6 is a ward of a city.
  virtual int32_t ChosonCheck(const char* qth_code) = 0;
  // Value of the leading "-" and digits.
  virtual int32_t StrToLong(const char* text) = 0;
};

// The logging library itself.
class KorvaxLibrary : public QsoSource {
 public:
  int32_t GetKrdllVersion() override;
  int32_t SetDbsShare(int32_t mode) override;
  int32_t KorvaxOpen(int32_t reserved, char* record, const char* path, int32_t mode) override;
  int32_t KRX_read(char* record, int32_t number, int32_t mode) override;
  int32_t KorvaxClose(char* record, int32_t mode) override;
  int32_t DateComp(const char* a, const char* b) override;
  int32_t FreqPCheck(const char* frequency) override;
  int32_t isPortable(const char* record) override;
  int32_t ChosonCheck(const char* qth_code) override;
  int32_t StrToLong(const char* text) override;
};

}  // namespace tally
