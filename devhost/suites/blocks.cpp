// "SP Blocks Suite": memory blocks, kept in a ledger until freed.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

HostError HOST_API SpAllocateBlock(int32_t size, const char* name,
                                   void** block) {
  return GateError(
      kSpBlocksSuite, "SpAllocateBlock", RenderArgs(size, name),
      [&] { return DevHost::Current().AllocateBlock(size, name, block); });
}

HostError HOST_API SpFreeBlock(void* block) {
  return GateError(kSpBlocksSuite, "SpFreeBlock", RenderArgs(block),
                   [&] { return DevHost::Current().FreeBlock(block); });
}

}  // namespace

const SpBlocksSuite kDevHostBlocksSuite = {SpAllocateBlock, SpFreeBlock};
