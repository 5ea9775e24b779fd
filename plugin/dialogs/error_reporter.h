// Shows a failing call's code with its message from the plug-in's list.
#pragma once

#include "host/message.h"

void ReportError(HostMessage* message, HostError code);
