// A whole run of the plug-in in this host, checked step by step: what the
// development host program runs by default and what the Windows build's
// end-to-end test runs under Wine.
#pragma once

#include <stdint.h>

#include <map>
#include <ostream>
#include <string>

// Loads the plug-in at `path` into a fresh host and drives a run. Prints
// each step, the host calls it caused, and a verdict per check. Returns
// true when every check held. With `preferencesFile`, the host's
// preferences come from that file and go back to it at the end; a file that
// cannot be read stops the session before the plug-in runs. `listFiles`
// gives string lists by ID, each read from its file in the same way; without
// list 16050 the error steps bring their own.
bool RunSmokeSession(const std::string& path, std::ostream& out,
                     bool printTrace,
                     const std::string& preferencesFile = std::string(),
                     const std::map<int32_t, std::string>& listFiles = {});
