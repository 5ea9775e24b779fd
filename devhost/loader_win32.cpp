#include <stdio.h>
#include <windows.h>

#include "devhost/loader.h"

namespace {
std::string LastErrorText() {
  char text[512] = "";
  DWORD code = GetLastError();
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, code, 0, text, sizeof text, nullptr);
  for (char* end = text + strlen(text);
       end > text && (end[-1] == '\n' || end[-1] == '\r');)
    *--end = 0;
  char withCode[600];
  snprintf(withCode, sizeof withCode, "%s (error %lu)", text,
           static_cast<unsigned long>(code));
  return withCode;
}
}  // namespace

bool PluginLibrary::Load(const std::string& path) {
  Unload();
  path_ = path;
  HMODULE module = LoadLibraryA(path.c_str());
  if (!module) {
    error_ =
        "cannot load plug-in \"" + path + "\": " + LastErrorText() +
        "; build it first (cmake --build --preset windows) or check the path";
    return false;
  }
  handle_ = module;
  entry_ = reinterpret_cast<PluginMainProc>(
      reinterpret_cast<void*>(GetProcAddress(module, "PluginMain")));
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
  if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
  handle_ = nullptr;
  entry_ = nullptr;
}
