// The logging-program commands of the main window. They come with the link to the
// logging program; until then they do nothing.
#include "app/station.h"

void TStation::Sent1Click(ui::Widget*) {}
void TStation::J1Click(ui::Widget*) {}
void TStation::Korvax1Click(ui::Widget*) {}
void TStation::Timer1Timer() {}
