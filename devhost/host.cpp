#include "devhost/host.h"

#include <stdlib.h>
#include <string.h>

#include "devhost/suites/registry.h"

namespace {
DevHost* gCurrent = nullptr;
}

DevHost::DevHost() : previous_(gCurrent) {
  gCurrent = this;
  OfferStandardSuites(*this);
}

DevHost::~DevHost() {
  for (auto& [block, record] : blocks_) free(block);
  gCurrent = previous_;
}

DevHost& DevHost::Current() {
  if (!gCurrent) abort();  // a plug-in called a suite with no host alive
  return *gCurrent;
}

void DevHost::FailCall(const std::string& operation, int nth, HostError code) {
  faults_.push_back({operation, nth, 0, code});
}

void DevHost::ClearFaults() {
  faults_.clear();
  withheld_.clear();
}

size_t DevHost::Begin(const char* suite, const char* operation,
                      std::string arguments, bool* faulted,
                      HostError* injected) {
  if (suite && *suite && SuiteHolds(suite) == 0)
    violations_.push_back(std::string(operation) + " called while \"" + suite +
                          "\" was not held");
  *faulted = false;
  for (Fault& fault : faults_) {
    if (fault.operation != operation) continue;
    ++fault.seen;
    if (fault.nth == 0 || fault.nth == fault.seen) {
      *faulted = true;
      *injected = fault.code;
    }
  }
  TraceEntry entry;
  entry.suite = suite ? suite : "";
  entry.operation = operation;
  entry.arguments = std::move(arguments);
  entry.depth = depth;
  trace_.Add(std::move(entry));
  return trace_.Size() - 1;
}

void DevHost::End(size_t index, std::string result, bool faulted) {
  // The trace only grows, so the index stays valid across nested calls.
  TraceEntry& entry = trace_.At(index);
  entry.result = std::move(result);
  entry.fault = faulted;
}

HostError DevHost::AcquireSuite(const char* name, int32_t version,
                                const void** out) {
  if (!name || !out) return kHostErrBadParameter;
  if (withheld_.count(name)) return kHostErrSuiteNotFound;
  auto offer = offers_.find(name);
  if (offer == offers_.end() || offer->second.version != version)
    return kHostErrSuiteNotFound;
  *out = offer->second.table;
  ++holds_[name];
  return 0;
}

HostError DevHost::ReleaseSuite(const char* name, int32_t version) {
  if (!name) return kHostErrBadParameter;
  auto offer = offers_.find(name);
  auto held = holds_.find(name);
  if (offer == offers_.end() || offer->second.version != version ||
      held == holds_.end() || held->second == 0)
    return kHostErrNotFound;
  --held->second;
  return 0;
}

ModelDialog* DevHost::LiveDialog(const void* dialog, const char* operation) {
  ModelDialog* found = dialogs.Find(dialog);
  if (!found)
    Complain(std::string(operation) + " given dialog " + RenderArg(dialog) +
             ", which does not exist");
  return found;
}

ModelItem* DevHost::LiveItem(const void* item, const char* operation) {
  ModelItem* found = dialogs.FindItem(item);
  if (!found)
    Complain(std::string(operation) + " given item " + RenderArg(item) +
             ", which does not exist");
  return found;
}

const SpBasicSuite* DevHost::basicSuite() const { return &kDevHostBasicSuite; }

int DevHost::SuiteHolds(const std::string& name) const {
  auto held = holds_.find(name);
  return held == holds_.end() ? 0 : held->second;
}

void DevHost::OfferSuite(const std::string& name, int32_t version,
                         const void* table) {
  offers_[name] = {version, table};
}

HostError DevHost::AllocateBlock(int32_t size, const char* name, void** out) {
  if (size < 0 || !out) return kHostErrBadParameter;
  void* block = malloc(size > 0 ? static_cast<size_t>(size) : 1);
  if (!block) return kHostErrBadParameter;
  memset(block, blockFill_, static_cast<size_t>(size));
  blocks_[block] = {size, name ? name : ""};
  *out = block;
  return 0;
}

void* DevHost::FindBlock(const std::string& name) const {
  for (const auto& [block, record] : blocks_)
    if (record.name == name) return block;
  return nullptr;
}

HostError DevHost::FreeBlock(void* block) {
  auto found = blocks_.find(block);
  if (found == blocks_.end()) return kHostErrNotFound;
  free(block);
  blocks_.erase(found);
  return 0;
}

HostError DevHost::AcquirePlugin(HostPluginRef plugin, HostAccessRef* out) {
  if (plugin != pluginRef() || !out) return kHostErrBadParameter;
  uintptr_t ref = nextAccessRef_++;
  accessRefs_.insert(ref);
  *out = reinterpret_cast<HostAccessRef>(ref);
  return 0;
}

HostError DevHost::ReleasePlugin(HostAccessRef access) {
  auto found = accessRefs_.find(reinterpret_cast<uintptr_t>(access));
  if (found == accessRefs_.end()) return kHostErrNotFound;
  accessRefs_.erase(found);
  return 0;
}

std::vector<std::string> DevHost::Unbalanced() const {
  std::vector<std::string> out;
  for (const auto& [name, count] : holds_)
    if (count != 0)
      out.push_back("suite \"" + name + "\" acquired " + std::to_string(count) +
                    " more time(s) than released");
  for (const auto& [block, record] : blocks_)
    out.push_back("block \"" + record.name + "\" of " +
                  std::to_string(record.size) + " bytes not freed");
  if (!accessRefs_.empty())
    out.push_back(std::to_string(accessRefs_.size()) +
                  " access reference(s) not given back");
  if (contexts.open() != 0)
    out.push_back(std::to_string(contexts.open()) +
                  " application context(s) pushed and not popped");
  return out;
}
