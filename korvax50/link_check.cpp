// Bound to Korvax50.dll through its import library, as the program is: Windows refuses
// to start it when the import library and the DLL's exports disagree. Exits 0 when the
// library answers as expected.
#include <korvax50.h>

int main() { return GetKrdllVersion() >= 337920 && StrToLong("-12") == -12 ? 0 : 1; }
