// "AI Context Suite": application contexts.
#include "devhost/suites/tables.h"

const AiContextSuite kDevHostContextSuite = {};
