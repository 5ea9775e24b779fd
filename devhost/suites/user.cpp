// "AI User Suite": number conversions.
#include "devhost/suites/tables.h"

const AiUserSuite kDevHostUserSuite = {};
