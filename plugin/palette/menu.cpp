#include "plugin/palette/menu.h"

HostError AddPaletteMenuItem(HostMessage*) { return 0; }
HostError OnMenuGo(HostMessage*) { return 0; }
HostError OnMenuUpdate(HostMessage*) { return 0; }
