// The development host program: loads a plug-in and runs it through a
// checked session, printing every host call it makes.
#include <iostream>
#include <string>

#include "devhost/smoke.h"

int main(int argc, char** argv) {
  bool printTrace = true;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--quiet") {
      printTrace = false;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << "usage: quaso-devhost [--quiet] PLUGIN\n"
                   "Loads PLUGIN, runs a checked session and prints the host "
                   "calls it makes.\n";
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
  return RunSmokeSession(path, std::cout, printTrace) ? 0 : 1;
}
