// Loads a plug-in library and finds its entry point, as the application does.
#pragma once

#include <string>

#include "devhost/property_list.h"
#include "host/message.h"

class PluginLibrary {
 public:
  PluginLibrary() = default;
  ~PluginLibrary() { Unload(); }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Loads `path` and finds its entry point: on Windows the one its property
  // list names, as the application does; elsewhere "PluginMain". On failure
  // returns false and error() names the file, what went wrong and what to do.
  bool Load(const std::string& path);
  // Unloads the library; the module's state is gone afterwards.
  void Unload();

  bool loaded() const { return handle_ != nullptr; }
  PluginMainProc entry() const { return entry_; }
  const std::string& error() const { return error_; }
  const std::string& path() const { return path_; }
  // What the property list said; on native builds only the entry point.
  const PluginProperties& properties() const { return properties_; }

 private:
  void* handle_ = nullptr;
  PluginMainProc entry_ = nullptr;
  std::string error_;
  std::string path_;
  PluginProperties properties_;
};
