// The logging program's database library: the ten functions the program imports from
// Korvax50.dll. The Windows build binds them through the DLL's import table; native
// builds link the same code as a static library. All texts are Shift-JIS.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define KRXAPI __stdcall
#else
#define KRXAPI
#endif

// The record buffer's four text fields (frequency, mode, Remarks1, Remarks2) hold the
// 32-bit address of their text in 32-bit Windows builds; where addresses are wider they
// hold the text's offset from the start of the buffer instead.
#if defined(_WIN32) && !defined(_WIN64)
#define KRX_TEXT_FIELDS_HOLD_ADDRESSES 1
#else
#define KRX_TEXT_FIELDS_HOLD_ADDRESSES 0
#endif

extern "C" {

// Version of the library; the program needs at least 337920.
int32_t KRXAPI GetKrdllVersion();
// Sharing mode for the next open; the result is ignored.
int32_t KRXAPI SetDbsShare(int32_t mode);
// Opens the QSO database `path` into `record` (a QsoRecord buffer). 0 = opened.
int32_t KRXAPI KorvaxOpen(int32_t reserved, char* record, const char* path, int32_t mode);
// Fills `record` with QSO number `number` (1..newest). 0 = filled.
int32_t KRXAPI KRX_read(char* record, int32_t number, int32_t mode);
// Closes the database held by `record`; harmless when already closed.
int32_t KRXAPI KorvaxClose(char* record, int32_t mode);
// Above 0 when date `a` (yy/mm/dd) is later than date `b`.
int32_t KRXAPI DateComp(const char* a, const char* b);
// Band index 0..14 of a frequency text in MHz.
int32_t KRXAPI FreqPCheck(const char* frequency);
// 0 or more when the station of the record last read was portable, below 0 when fixed.
int32_t KRXAPI isPortable(const char* record);
// Class of a QTH code; 6 = a ward code of a city.
int32_t KRXAPI ChosonCheck(const char* qth_code);
// Value of the leading "-" and digits of a text.
int32_t KRXAPI StrToLong(const char* text);

}  // extern "C"
