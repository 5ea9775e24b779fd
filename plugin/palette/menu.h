// The menu item that shows and hides the palette, checked while it is shown.
#pragma once

#include "host/message.h"

HostError AddPaletteMenuItem(HostMessage* message);
HostError OnMenuGo(HostMessage* message);
HostError OnMenuUpdate(HostMessage* message);
