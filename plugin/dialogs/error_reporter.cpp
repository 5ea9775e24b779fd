#include "plugin/dialogs/error_reporter.h"

void ReportError(HostMessage*, HostError) {}
