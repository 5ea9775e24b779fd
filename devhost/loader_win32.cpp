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

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
  *reinterpret_cast<LPSTR*>(first) = name;
  return FALSE;  // the first property list is the one the application reads
}

// The property list's bytes, or false when the library carries none.
bool FindPropertyList(HMODULE module, const unsigned char** data,
                      size_t* size) {
  LPSTR name = nullptr;
  EnumResourceNamesA(module, "PIPL", TakeFirstName,
                     reinterpret_cast<LONG_PTR>(&name));
  HRSRC found = name ? FindResourceA(module, name, "PIPL") : nullptr;
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  if (!loaded) return false;
  *data = static_cast<const unsigned char*>(LockResource(loaded));
  *size = SizeofResource(module, found);
  return *data != nullptr;
}

}  // namespace

bool PluginLibrary::Load(const std::string& path) {
  Unload();
  path_ = path;
  HMODULE module = LoadLibraryA(path.c_str());
  if (!module) {
    error_ = "cannot load plug-in \"" + path + "\": " + LastErrorText() +
             "; build it first (cmake --build --preset windows) or check the "
             "path";
    return false;
  }
  handle_ = module;
  const unsigned char* list = nullptr;
  size_t size = 0;
  std::string why;
  if (!FindPropertyList(module, &list, &size)) {
    error_ = "\"" + path +
             "\" carries no plug-in property list (resource type \"PIPL\"); "
             "it is not a plug-in of this host";
  } else if (!ReadPropertyList(list, size, &properties_, &why)) {
    error_ = "plug-in \"" + path + "\" has a bad property list: " + why +
             "; rebuild it from plugin/resources";
  } else {
    entry_ = reinterpret_cast<PluginMainProc>(reinterpret_cast<void*>(
        GetProcAddress(module, properties_.entryPoint.c_str())));
    if (!entry_)
      error_ = "plug-in \"" + path + "\" does not export \"" +
               properties_.entryPoint +
               "\", the entry point its property list names";
  }
  if (!entry_) {
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
