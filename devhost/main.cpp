// The development host program: loads a plug-in and runs it through a
// checked session, printing every host call it makes.
#include <stdint.h>
#include <stdlib.h>

#include <iostream>
#include <map>
#include <string>

#include "devhost/smoke.h"

namespace {
constexpr char kDefaultPreferences[] = "quaso-devhost-preferences.txt";

// "ID=FILE" with a whole decimal ID.
bool ParseListArgument(const std::string& arg, int32_t* id, std::string* file) {
  size_t equals = arg.find('=');
  if (equals == 0 || equals == std::string::npos || equals + 1 == arg.size())
    return false;
  char* end = nullptr;
  long long value = strtoll(arg.c_str(), &end, 10);
  if (end != arg.c_str() + equals || value < INT32_MIN || value > INT32_MAX)
    return false;
  *id = static_cast<int32_t>(value);
  *file = arg.substr(equals + 1);
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  bool printTrace = true;
  bool keepPreferences = true;
  std::string path;
  std::string preferences;
  std::map<int32_t, std::string> lists;
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
    } else if (arg == "--list") {
      int32_t id = 0;
      std::string file;
      if (i + 1 == argc || !ParseListArgument(argv[i + 1], &id, &file)) {
        std::cerr << "quaso-devhost: --list needs ID=FILE, for example "
                     "--list 16050=messages.txt\n";
        return 2;
      }
      lists[id] = file;
      ++i;
    } else if (arg == "--help" || arg == "-h") {
      std::cout
          << "usage: quaso-devhost [--quiet] [--preferences FILE | "
             "--no-preferences] [--list ID=FILE]... PLUGIN\n"
             "Loads PLUGIN, runs a checked session and prints the host "
             "calls it makes.\n"
             "The host's preferences are read from FILE before the session "
             "and written back after it (default: "
          << kDefaultPreferences
          << " beside PLUGIN); --no-preferences keeps them in memory only.\n"
             "--list ID=FILE gives the plug-in string list ID, one entry a "
             "line of FILE; list 16050 holds the Error dialog's messages.\n";
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
  bool passed =
      RunSmokeSession(path, std::cout, printTrace, preferences, lists);
  return passed ? 0 : 1;
}
