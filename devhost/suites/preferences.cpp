// "AI Preference Suite": the preference store.
#include "devhost/suites/tables.h"

const AiPreferenceSuite kDevHostPreferenceSuite = {};
