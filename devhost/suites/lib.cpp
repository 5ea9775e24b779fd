// "AS Lib Suite": string helpers.
#include "devhost/suites/tables.h"

const AsLibSuite kDevHostLibSuite = {};
