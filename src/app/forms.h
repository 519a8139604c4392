// The program's two long-lived forms, reachable from each other's handlers. They are set
// by the forms' constructors and cleared by their destructors.
#pragma once

class TStation;
class TSorvaB;

extern TStation* Station;
extern TSorvaB* SorvaB;
