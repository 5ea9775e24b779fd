// A plug-in's life in the host: loading, the messages of a run, unloading.
// The session keeps the host's globals field and the plug-in reference, and
// traces every message with the host calls it caused nested beneath it.
#pragma once

#include <string>

#include "devhost/host.h"
#include "devhost/loader.h"

class PluginSession {
 public:
  PluginSession(DevHost& host, std::string path);

  // Loads the library; false with error() set when it cannot.
  bool Load();
  const std::string& error() const { return error_; }
  bool loaded() const { return library_.loaded(); }
  const PluginProperties& properties() const { return library_.properties(); }

  // Sends one message; `target` is the menu item or notifier handle at byte
  // 16 of the record.
  HostError Send(const char* caller, const char* selector,
                 void* target = nullptr);

  HostError Startup();
  HostError Shutdown();
  HostError About();

  // The application has started: "AI Notifier"/"AI Notify" to each of the
  // plug-in's notifiers for it. Answers the first nonzero result, or 0.
  HostError ApplicationStarted();
  // The user chooses the plug-in's item named `name`: "AI Menu"/"AI Go".
  // kHostErrNotFound, sending nothing, when no such item is registered.
  HostError ChooseMenuItem(const std::string& name);
  // The menus open: "AI Menu"/"AI Update" to each item that asked for it.
  HostError OpenMenus();

  // "SP Access"/"Unload", then the library goes; refused (false, error())
  // while the plug-in holds an access reference.
  bool UnloadLibrary();
  // Loads the library again and sends "SP Access"/"Reload".
  bool ReloadLibrary(HostError* result = nullptr);

  // The host's globals field, as the last message left it.
  void* globals() const { return globals_; }
  void set_globals(void* globals) { globals_ = globals; }

 private:
  DevHost& host_;
  std::string path_;
  PluginLibrary library_;
  void* globals_ = nullptr;
  HostMessage message_{};
  std::string error_;
};
