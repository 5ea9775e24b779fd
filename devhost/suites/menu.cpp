// "AI Menu Suite": menu items.
#include "devhost/suites/tables.h"

const AiMenuSuite kDevHostMenuSuite = {};
