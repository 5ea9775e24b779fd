// "AI Notifier Suite": notifications.
#include "devhost/suites/tables.h"

const AiNotifierSuite kDevHostNotifierSuite = {};
