// The development host's state and call gate. Every operation a plug-in
// calls enters through the gate: it is traced, may be made to fail, and is
// checked against the suites the plug-in holds. One host is current at a
// time; the suites' plain C functions reach it through DevHost::Current().
#pragma once

#include <stdint.h>

#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "devhost/contexts.h"
#include "devhost/dialog_model.h"
#include "devhost/menus.h"
#include "devhost/preferences.h"
#include "devhost/string_lists.h"
#include "devhost/trace.h"
#include "host/message.h"
#include "host/suites.h"

// Codes this host answers with.
inline constexpr HostError kHostErrSuiteNotFound = 0x21536E66;  // '!Snf'
inline constexpr HostError kHostErrBadParameter = 0x5061723F;   // 'Par?'
inline constexpr HostError kHostErrNotFound = 0x214E6F46;       // '!NoF'

class DevHost {
 public:
  DevHost();
  ~DevHost();
  DevHost(const DevHost&) = delete;
  DevHost& operator=(const DevHost&) = delete;

  // The host the suites' functions act on: the most recently made one.
  static DevHost& Current();

  // --- Faults -------------------------------------------------------------
  // Makes the `nth` call (from 1) of `operation`, counted from now, answer
  // `code` without effect; nth 0 makes every call fail. For an operation
  // whose result is not an error code, the code stands for its answer
  // (a boolean or count) or, for a reference, null.
  void FailCall(const std::string& operation, int nth, HostError code);
  void FailEvery(const std::string& operation, HostError code) {
    FailCall(operation, 0, code);
  }
  // Makes SpAcquireSuite of `name` answer kHostErrSuiteNotFound.
  void WithholdSuite(const std::string& name) { withheld_.insert(name); }
  void ClearFaults();

  // --- Gate ---------------------------------------------------------------
  // Starts a call: records it and returns its trace index; sets *injected
  // and returns true in *faulted when a fault applies.
  size_t Begin(const char* suite, const char* operation, std::string arguments,
               bool* faulted, HostError* injected);
  // Ends the call begun at `index` with its rendered result.
  void End(size_t index, std::string result, bool faulted);

  Trace& trace() { return trace_; }
  const Trace& trace() const { return trace_; }

  // Calls into a suite the plug-in did not hold at that moment, and calls
  // the host could not make sense of (a dialog that does not exist).
  const std::vector<std::string>& violations() const { return violations_; }
  void Complain(std::string what) { violations_.push_back(std::move(what)); }
  // The model's dialog or item behind a reference the plug-in passed to
  // `operation`, or null with a complaint: the plug-in lost track of it.
  ModelDialog* LiveDialog(const void* dialog, const char* operation);
  ModelItem* LiveItem(const void* item, const char* operation);

  // --- Dialog manager -----------------------------------------------------
  DialogModel dialogs;
  // Runs plug-in code the host calls back (a dialog procedure), nested one
  // level deeper in the trace.
  template <typename F>
  auto CallBack(F f) {
    ++depth;
    struct Leave {
      int& depth;
      ~Leave() { --depth; }
    } leave{depth};
    return f();
  }

  // --- Suites -------------------------------------------------------------
  const SpBasicSuite* basicSuite() const;
  HostError AcquireSuite(const char* name, int32_t version, const void** out);
  HostError ReleaseSuite(const char* name, int32_t version);
  // Holds currently open on `name` by the plug-in.
  int SuiteHolds(const std::string& name) const;
  // Offers `table` as suite `name` at `version`, replacing what was there.
  void OfferSuite(const std::string& name, int32_t version, const void* table);

  // --- Blocks -------------------------------------------------------------
  // New blocks are filled with this byte: a host owes no cleared memory.
  void set_blockFill(unsigned char fill) { blockFill_ = fill; }
  HostError AllocateBlock(int32_t size, const char* name, void** out);
  HostError FreeBlock(void* block);
  size_t LiveBlocks() const { return blocks_.size(); }
  // The live block named `name`, or null.
  void* FindBlock(const std::string& name) const;

  // --- Access references ------------------------------------------------
  // The library stays loaded while any reference is held.
  HostError AcquirePlugin(HostPluginRef plugin, HostAccessRef* out);
  HostError ReleasePlugin(HostAccessRef access);
  size_t AccessRefsHeld() const { return accessRefs_.size(); }

  // --- Alerts -------------------------------------------------------------
  // Texts shown with AdmShowAlert, in order.
  std::vector<std::string> alerts;

  // --- String lists -------------------------------------------------------
  // The plug-in's lists by ID, as AdmGetListString hands them out.
  StringLists lists;

  // --- Application state ------------------------------------------------
  // Contexts the plug-in opened and has not closed; reported as unbalanced.
  AppContexts contexts;
  PreferenceStore preferences;
  MenuItems menus;
  Notifiers notifiers;

  // --- Plug-in identity ---------------------------------------------------
  HostPluginRef pluginRef() {
    return reinterpret_cast<HostPluginRef>(&pluginTag_);
  }

  // --- Balance ------------------------------------------------------------
  // What is left unbalanced: suites held, blocks not freed, and every other
  // ledger's open entries; one readable line each. Empty when all is even.
  std::vector<std::string> Unbalanced() const;

  // Nesting depth of plug-in code currently running, for the trace.
  int depth = 0;

 private:
  struct Offer {
    int32_t version;
    const void* table;
  };
  struct Fault {
    std::string operation;
    int nth;
    int seen;
    HostError code;
  };
  struct Block {
    int32_t size;
    std::string name;
  };

  Trace trace_;
  std::vector<std::string> violations_;
  std::vector<Fault> faults_;
  std::set<std::string> withheld_;
  std::map<std::string, Offer> offers_;
  std::map<std::string, int> holds_;
  std::map<void*, Block> blocks_;
  std::set<uintptr_t> accessRefs_;
  uintptr_t nextAccessRef_ = 0x1000;
  unsigned char blockFill_ = 0xA5;
  int pluginTag_ = 0;
  DevHost* previous_;
};

// Runs `body` through the gate for an operation answering a value. A fault
// skips the body: an integer answer takes the injected code, a reference
// becomes null.
template <typename T, typename Body>
T GateValue(const char* suite, const char* operation, std::string arguments,
            Body body) {
  DevHost& host = DevHost::Current();
  bool faulted = false;
  HostError code = 0;
  size_t index =
      host.Begin(suite, operation, std::move(arguments), &faulted, &code);
  T value{};
  if (faulted) {
    if constexpr (!std::is_pointer_v<T>) value = static_cast<T>(code);
  } else {
    value = body();
  }
  host.End(index, RenderArg(value), faulted);
  return value;
}

// Same for an operation answering an error code.
template <typename Body>
HostError GateError(const char* suite, const char* operation,
                    std::string arguments, Body body) {
  return GateValue<HostError>(suite, operation, std::move(arguments), body);
}

// Same for an operation without result; a fault skips its effect.
template <typename Body>
void GateVoid(const char* suite, const char* operation, std::string arguments,
              Body body) {
  DevHost& host = DevHost::Current();
  bool faulted = false;
  HostError code = 0;
  size_t index =
      host.Begin(suite, operation, std::move(arguments), &faulted, &code);
  if (!faulted) body();
  host.End(index, "", faulted);
}

