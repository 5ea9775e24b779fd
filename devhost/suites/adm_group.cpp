// "ADM Dialog Group Suite": dock groups.
#include "devhost/suites/tables.h"

const AdmDialogGroupSuite kDevHostAdmDialogGroupSuite = {};
