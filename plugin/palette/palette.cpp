#include "plugin/palette/palette.h"

HostError AddStartupNotifier(HostMessage*) { return 0; }
HostError OnNotify(HostMessage*) { return 0; }
HostError CreatePalette(HostMessage*) { return 0; }
HostError HOST_API PaletteInitProc(AdmDialogRef) { return 0; }
void HOST_API PaletteDestroyProc(AdmDialogRef) {}
void DestroyPalette() {}
