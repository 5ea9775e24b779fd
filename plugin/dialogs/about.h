// The modal About dialog.
#pragma once

#include "host/message.h"

int32_t ShowAboutDialog(HostMessage* message);
