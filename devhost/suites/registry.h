// The suites this host hands out, by name and version.
#pragma once

#include "host/suites.h"

class DevHost;

// The basic suite every message carries.
extern const SpBasicSuite kDevHostBasicSuite;

// Offers every suite a plug-in of this kind asks for.
void OfferStandardSuites(DevHost& host);
