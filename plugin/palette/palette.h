// The floating palette: created when the application has started, placed
// and docked from the preferences, which it updates when destroyed.
#pragma once

#include "host/message.h"

HostError AddStartupNotifier(HostMessage* message);
HostError OnNotify(HostMessage* message);
HostError CreatePalette(HostMessage* message);
HostError HOST_API PaletteInitProc(AdmDialogRef dialog);
void HOST_API PaletteDestroyProc(AdmDialogRef dialog);
void DestroyPalette();
