// Handlers of the plug-in's life: start-up, shut-down, unload, reload, About.
#pragma once

#include "host/message.h"

HostError OnStartup(HostMessage* message);
HostError OnShutdown(HostMessage* message);
HostError OnUnload(HostMessage* message);
HostError OnReload(HostMessage* message);
HostError OnAbout(HostMessage* message);
