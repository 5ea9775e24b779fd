// "ADM Item Suite": dialog items.
#include "devhost/suites/tables.h"

const AdmItemSuite kDevHostAdmItemSuite = {};
