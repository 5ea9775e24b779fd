// Suites a plug-in of this kind holds but never calls.
#include "devhost/suites/tables.h"

const AiMdMemorySuite kDevHostMdMemorySuite = {};
const AiRuntimeSuite kDevHostRuntimeSuite = {};
const AdmIconSuite kDevHostAdmIconSuite = {};
