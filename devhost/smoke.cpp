#include "devhost/smoke.h"

#include <functional>
#include <vector>

#include "devhost/host.h"
#include "devhost/session.h"
#include "host/names.h"

namespace {

class Checker {
 public:
  Checker(DevHost& host, std::ostream& out, bool printTrace)
      : host_(host), out_(out), printTrace_(printTrace) {}

  // Runs one step, prints the calls it made, then its verdict.
  void Step(const std::string& title, const std::function<bool()>& step) {
    size_t mark = host_.trace().Size();
    out_ << "== " << title << "\n";
    bool ok = step();
    if (printTrace_) out_ << host_.trace().Text(mark);
    out_ << (ok ? "   ok: " : "   FAILED: ") << title << "\n";
    if (!ok) ++failed_;
    ++steps_;
  }

  bool Finish() {
    for (const std::string& v : host_.violations()) {
      out_ << "   FAILED: " << v << "\n";
      ++failed_;
    }
    out_ << (steps_ - failed_) << " passed, " << failed_ << " failed\n";
    return failed_ == 0;
  }

 private:
  DevHost& host_;
  std::ostream& out_;
  bool printTrace_;
  int steps_ = 0;
  int failed_ = 0;
};

std::string Expected(const char* what, HostError expected, HostError found) {
  return std::string(what) + ": expected " + std::to_string(expected) +
         ", found " + std::to_string(found);
}

}  // namespace

bool RunSmokeSession(const std::string& path, std::ostream& out,
                     bool printTrace) {
  DevHost host;
  PluginSession session(host, path);
  if (!session.Load()) {
    out << "error: " << session.error() << "\n";
    return false;
  }
  out << "loaded " << path << "\n";
  Checker check(host, out, printTrace);
  auto answers = [&](const char* what, HostError expected, HostError found) {
    if (expected != found)
      out << "   " << Expected(what, expected, found) << "\n";
    return expected == found;
  };

  check.Step("Startup allocates the globals and answers 0", [&] {
    bool ok = answers("result", 0, session.Startup());
    auto allocations = host.trace().Calls("SpAllocateBlock");
    std::string want = std::to_string(sizeof(void*) * 5) + ", \"globals\"";
    ok &= allocations.size() == 1 && allocations[0]->arguments == want;
    return ok;
  });
  check.Step("an unknown selector holds the suites and answers 0", [&] {
    size_t mark = host.trace().Size();
    bool ok =
        answers("result", 0, session.Send(kCallerSpInterface, "Frobnicate"));
    size_t acquired = 0;
    for (size_t i = mark; i < host.trace().Size(); ++i)
      acquired += host.trace().Entries()[i].operation == "SpAcquireSuite";
    return ok && acquired == 15;
  });
  void* block = host.FindBlock("globals");
  check.Step("Unload hands the globals to the host", [&] {
    return session.UnloadLibrary() && session.globals() == block &&
           block != nullptr;
  });
  check.Step("Reload takes them back and answers 0", [&] {
    HostError result = -1;
    return session.ReloadLibrary(&result) && answers("result", 0, result);
  });
  check.Step("Shutdown frees the globals and clears the host's field", [&] {
    bool ok = answers("result", 0, session.Shutdown());
    return ok && session.globals() == nullptr && host.LiveBlocks() == 0;
  });
  check.Step("nothing is left unbalanced", [&] {
    for (const std::string& line : host.Unbalanced())
      out << "   " << line << "\n";
    return host.Unbalanced().empty();
  });
  return check.Finish();
}
