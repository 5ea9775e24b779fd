// "ADM Dialog Suite": dialogs.
#include "devhost/suites/tables.h"

const AdmDialogSuite kDevHostAdmDialogSuite = {};
