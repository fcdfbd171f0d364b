// Layout of pf-unreadable-layout.exe: the table cannot be read.
#include "ui/layout.h"

const LayoutTable* ReadLayoutTable() { return nullptr; }
