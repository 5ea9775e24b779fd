// Loads a plug-in library and finds its entry point, as the application does.
#pragma once

#include <string>

#include "host/message.h"

class PluginLibrary {
 public:
  PluginLibrary() = default;
  ~PluginLibrary() { Unload(); }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Loads `path` and finds "PluginMain". On failure returns false and
  // error() names the file, what went wrong and what to do.
  bool Load(const std::string& path);
  // Unloads the library; the module's state is gone afterwards.
  void Unload();

  bool loaded() const { return handle_ != nullptr; }
  PluginMainProc entry() const { return entry_; }
  const std::string& error() const { return error_; }
  const std::string& path() const { return path_; }

 private:
  void* handle_ = nullptr;
  PluginMainProc entry_ = nullptr;
  std::string error_;
  std::string path_;
};
