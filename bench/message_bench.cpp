// A message costs fifteen acquisitions and releases while no palette exists
// and none while one does; these measure both, through the real entry point.
#include <benchmark/benchmark.h>

#include "devhost/host.h"
#include "devhost/session.h"
#include "host/names.h"

namespace {

void Message(benchmark::State& state, bool withPalette) {
  DevHost host;
  PluginSession session(host, QUASO_PLUGIN_PATH);
  if (!session.Load()) {
    state.SkipWithError(session.error().c_str());
    return;
  }
  session.Startup();
  if (withPalette) session.ApplicationStarted();
  for (auto _ : state) {
    benchmark::DoNotOptimize(session.Send(kCallerSpInterface, "Frobnicate"));
    // The trace is the host's, not the plug-in's cost; keep it from growing.
    host.trace().Clear();
  }
  session.Shutdown();
}

void BM_MessageWithoutPalette(benchmark::State& state) { Message(state, false); }
void BM_MessageWithPalette(benchmark::State& state) { Message(state, true); }

BENCHMARK(BM_MessageWithoutPalette);
BENCHMARK(BM_MessageWithPalette);

}  // namespace

BENCHMARK_MAIN();
