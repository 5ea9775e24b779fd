// The modal About dialog.
#pragma once

#include "host/message.h"

// Runs the About dialog and answers what AdmDialogModal answered; 0 without
// a dialog when a suite it calls is not held.
int32_t ShowAboutDialog(HostMessage* message);
HostError HOST_API AboutDialogInitProc(AdmDialogRef dialog);
