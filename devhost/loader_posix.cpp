#include <dlfcn.h>

#include "devhost/loader.h"

bool PluginLibrary::Load(const std::string& path) {
  Unload();
  path_ = path;
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* why = dlerror();
    error_ =
        "cannot load plug-in \"" + path + "\": " + (why ? why : "unknown") +
        "; build it first (cmake --build --preset native) or check the path";
    return false;
  }
  // A shared object carries no resources: the entry point goes by its name.
  properties_ = PluginProperties{kPiplPluginKind, 0, "PluginMain"};
  entry_ = reinterpret_cast<PluginMainProc>(
      dlsym(handle_, properties_.entryPoint.c_str()));
  if (!entry_) {
    error_ = "plug-in \"" + path +
             "\" exports no PluginMain; it is not a plug-in of this host";
    Unload();
    return false;
  }
  error_.clear();
  return true;
}

void PluginLibrary::Unload() {
  if (handle_) dlclose(handle_);
  handle_ = nullptr;
  entry_ = nullptr;
}
