#include "plugin/dialogs/about.h"

int32_t ShowAboutDialog(HostMessage*) { return 0; }
