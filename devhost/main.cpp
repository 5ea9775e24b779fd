// The development host program: loads a plug-in and runs it through a
// checked session, printing every host call it makes.
#include <iostream>
#include <string>

#include "devhost/smoke.h"

namespace {
constexpr char kDefaultPreferences[] = "quaso-devhost-preferences.txt";
}

int main(int argc, char** argv) {
  bool printTrace = true;
  bool keepPreferences = true;
  std::string path;
  std::string preferences;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--quiet") {
      printTrace = false;
    } else if (arg == "--preferences") {
      if (i + 1 == argc) {
        std::cerr << "quaso-devhost: --preferences needs a file name\n";
        return 2;
      }
      preferences = argv[++i];
    } else if (arg == "--no-preferences") {
      keepPreferences = false;
    } else if (arg == "--help" || arg == "-h") {
      std::cout
          << "usage: quaso-devhost [--quiet] [--preferences FILE | "
             "--no-preferences] PLUGIN\n"
             "Loads PLUGIN, runs a checked session and prints the host "
             "calls it makes.\n"
             "The host's preferences are read from FILE before the session "
             "and written back after it (default: "
          << kDefaultPreferences
          << " beside PLUGIN); --no-preferences keeps them in memory only.\n";
      return 0;
    } else {
      path = arg;
    }
  }
  if (path.empty()) {
    std::cerr << "quaso-devhost: no plug-in given; pass the path of "
                 "QuasoPalette.aip (or the native QuasoPalette.so)\n";
    return 2;
  }
  if (keepPreferences && preferences.empty()) {
    size_t slash = path.find_last_of("/\\");
    preferences = (slash == std::string::npos ? std::string()
                                              : path.substr(0, slash + 1)) +
                  kDefaultPreferences;
  }
  if (!keepPreferences) preferences.clear();
  return RunSmokeSession(path, std::cout, printTrace, preferences) ? 0 : 1;
}
