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

// What the palette's preferences promise for its next creation.
constexpr char kPalettePrefix[] = "QuasoPalette";
constexpr char kPaletteMenuItem[] = "Quaso Palette Menu Item";

struct Placement {
  HostRect bounds;
  std::string group;
  int32_t dockCode;
};

int32_t Clamp(int64_t value, int64_t low, int64_t high) {
  return static_cast<int32_t>(value < low ? low : value > high ? high : value);
}

// A stored location puts the top edge 6 above it; without one the template's
// size sits in the palette area's lower-right corner.
Placement ExpectedPlacement(const DevHost& host) {
  const PreferenceStore& store = host.preferences;
  HostPoint location{};
  if (const HostPoint* stored =
          store.Point(kPalettePrefix, "kADM_DPLocationStr")) {
    location = *stored;
  } else {
    const DialogTemplateInfo* info = host.dialogs.Template(16000);
    const HostRect& area = host.dialogs.paletteArea;
    location = {Clamp(int64_t{area.right} - (info ? info->width : 0), INT32_MIN,
                      INT32_MAX),
                Clamp(int64_t{area.bottom} - (info ? info->height : 0),
                      INT32_MIN, INT32_MAX)};
  }
  int32_t left = Clamp(location.h, INT32_MIN, INT32_MAX - 212);
  int32_t top = Clamp(int64_t{location.v} - 6, INT32_MIN, INT32_MAX - 112);
  const std::string* group =
      store.String(kPalettePrefix, "kADM_DPDockGroupStr");
  const int32_t* code = store.Integer(kPalettePrefix, "kADM_DPDockCodeStr");
  return {{left, top, left + 212, top + 112},
          group ? group->substr(0, 63) : "KorvaneDialogs",
          code ? *code : 0x1C00};
}

std::string Describe(const HostRect& r) {
  return "(" + RenderArgs(r.left, r.top, r.right, r.bottom) + ")";
}

// The live palette, checked against `want`; says what differs.
bool PaletteIsAt(const DevHost& host, const Placement& want,
                 std::ostream& out) {
  ModelDialog* palette = host.dialogs.FindByName(kPalettePrefix);
  if (!palette) {
    out << "   no palette exists\n";
    return false;
  }
  const HostRect& b = palette->bounds;
  bool ok = b.left == want.bounds.left && b.top == want.bounds.top &&
            b.right == want.bounds.right && b.bottom == want.bounds.bottom &&
            palette->group == want.group && palette->dockCode == want.dockCode;
  if (!ok)
    out << "   palette at " << Describe(b) << " in \"" << palette->group
        << "\" with code " << palette->dockCode << "; expected "
        << Describe(want.bounds) << " in \"" << want.group << "\" with code "
        << want.dockCode << "\n";
  return ok;
}

bool MenuItemChecked(const DevHost& host) {
  MenuItem* item = host.menus.FindByName(kPaletteMenuItem);
  return item && item->checked;
}

bool PaletteVisible(const DevHost& host) {
  ModelDialog* palette = host.dialogs.FindByName(kPalettePrefix);
  return palette && palette->visible;
}

// The message list the error steps use when none is given. The first
// suite code is '!Snf' with its bytes in memory order; a code entry of 0
// never matches, so its pair is the message for every other code.
constexpr int32_t kMessageListId = 16050;
constexpr char kSampleMissingSuite[] =
    "The host lacks a suite this plug-in needs.";
constexpr char kSampleNoMemory[] = "There is not enough memory.";
const std::string kSampleMessages =
    std::string("fnS!\n") + kSampleMissingSuite + "\n-108\n" + kSampleNoMemory +
    "\n0\nSomething went wrong.\n";

// The last modal dialog named `name` from the `from`th on, printed; null
// when there is none.
const ModalRecord* LastModal(const DevHost& host, const std::string& name,
                             std::ostream& out, size_t from = 0) {
  const auto& log = host.dialogs.modalLog;
  for (auto it = log.rbegin(); it != log.rend() - from; ++it) {
    if (it->name != name) continue;
    out << "   dialog \"" << name << "\"";
    for (const auto& [id, text] : it->texts)
      if (id > 1 && !text.empty())
        out << ", item " << id << " " << RenderArg(text.c_str());
    out << (it->ended ? ", closed with OK" : ", not closed with OK") << "\n";
    return &*it;
  }
  out << "   no dialog \"" << name << "\" was shown\n";
  return nullptr;
}

// Sends a message whose suite acquisition fails with `code` (the fault is
// set by the caller) and checks the alert and the Error dialog; a null
// `message` means no dialog may come. With a list the user gave, the
// message is only shown, not checked.
bool ShowsFailure(DevHost& host, PluginSession& session, std::ostream& out,
                  bool ownMessages, HostError code, const std::string& alert,
                  const char* message, const std::string& codeText) {
  size_t alerts = host.alerts.size();
  size_t dialogs = host.dialogs.modalLog.size();
  HostError result = session.Send(kCallerSpInterface, "Frobnicate");
  host.ClearFaults();
  for (size_t i = alerts; i < host.alerts.size(); ++i)
    out << "   alert \"" << host.alerts[i] << "\"\n";
  bool ok = result == code && host.alerts.size() == alerts + 1 &&
            host.alerts.back() == alert;
  if (!message) {
    out << "   no dialog\n";
    return ok && host.dialogs.modalLog.size() == dialogs;
  }
  if (host.dialogs.modalLog.size() == dialogs && !ownMessages) {
    out << "   no Error dialog: list 16050 gives no message for code " << code
        << " (README, \"Message lists\")\n";
    return ok;
  }
  const ModalRecord* error = LastModal(host, "Error Dialog", out, dialogs);
  return ok && host.dialogs.modalLog.size() == dialogs + 1 && error &&
         error->templateId == 16051 && error->ended &&
         error->texts.at(3) == codeText &&
         (!ownMessages || error->texts.at(2) == message);
}

}  // namespace

bool RunSmokeSession(const std::string& path, std::ostream& out,
                     bool printTrace, const std::string& preferencesFile,
                     const std::map<int32_t, std::string>& listFiles) {
  DevHost host;
  if (!preferencesFile.empty()) {
    std::string error;
    bool existed = false;
    if (!host.preferences.Load(preferencesFile, &error, &existed)) {
      out << "error: " << error << "\n";
      return false;
    }
    out << "preferences " << (existed ? "from" : "start empty; kept in")
        << " \"" << preferencesFile << "\"\n";
  }
  for (const auto& [id, file] : listFiles) {
    std::string error;
    if (!host.lists.Load(id, file, &error)) {
      out << "error: " << error << "\n";
      return false;
    }
    out << "string list " << id << " from \"" << file << "\"\n";
  }
  bool ownMessages = !host.lists.Has(kMessageListId);
  if (ownMessages) host.lists.Set(kMessageListId, kSampleMessages);
  PluginSession session(host, path);
  if (!session.Load()) {
    out << "error: " << session.error() << "\n";
    return false;
  }
  out << "loaded " << path << ", entry point "
      << session.properties().entryPoint;
  if (session.properties().interfaceVersion)
    out << " (property list: interface version "
        << session.properties().interfaceVersion << ")";
  out << "\n";
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
  check.Step("About runs the About dialog to its OK and answers 0", [&] {
    bool ok = answers("result", 0, session.About());
    const ModalRecord* about = LastModal(host, "About Dialog", out);
    return ok && about && about->templateId == 16050 && about->hooked.at(1) &&
           about->ended;
  });
  check.Step("a withheld ADM Icon Suite: the alert, then the Error dialog",
             [&] {
               host.WithholdSuite(kAdmIconSuite);
               return ShowsFailure(
                   host, session, out, ownMessages, kHostErrSuiteNotFound,
                   "Error: 559115878, suite: ADM Icon Suite, version: 1!",
                   kSampleMissingSuite, "fnS!");
             });
  check.Step("a decimal code: the alert, then the Error dialog", [&] {
    host.FailCall("SpAcquireSuite", 15, -108);
    return ShowsFailure(host, session, out, ownMessages, -108,
                        "Error: -108, suite: ADM Icon Suite, version: 1!",
                        kSampleNoMemory, "-108");
  });
  check.Step("without the ADM Item Suite: the alert and no Error dialog", [&] {
    host.FailCall("SpAcquireSuite", 13, -108);
    return ShowsFailure(
        host, session, out, ownMessages, -108,
        "Error: -108, suite: ADM Dialog Group Suite, version: 1!", nullptr, "");
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
  check.Step("Startup registered the menu item and the notifier", [&] {
    MenuItem* item = host.menus.FindByName(kPaletteMenuItem);
    bool ok = item && item->group == "Tool Palettes" &&
              item->text == "Quaso Palette" && item->textBytes == 14 &&
              item->options == kAiMenuWantsUpdate;
    return ok &&
           host.notifiers
                   .OfType(host.pluginRef(), kAiApplicationStartedNotifier)
                   .size() == 1;
  });
  Placement first = ExpectedPlacement(host);
  check.Step("the application starts: the palette comes at its place", [&] {
    bool ok = answers("result", 0, session.ApplicationStarted());
    ok &= PaletteIsAt(host, first, out);
    // Held on the palette's behalf until it is destroyed.
    return ok && host.AccessRefsHeld() == 1 &&
           host.SuiteHolds(kAdmDialogSuite) == 1;
  });
  check.Step("the library stays loaded while the palette exists",
             [&] { return !session.UnloadLibrary(); });
  check.Step("the menu opens checked while the palette shows", [&] {
    bool ok = answers("result", 0, session.OpenMenus());
    return ok && PaletteVisible(host) && MenuItemChecked(host);
  });
  check.Step("choosing the item hides the palette; the mark goes", [&] {
    bool ok = answers("result", 0, session.ChooseMenuItem(kPaletteMenuItem));
    ok &= answers("result", 0, session.OpenMenus());
    return ok && !PaletteVisible(host) && !MenuItemChecked(host);
  });
  check.Step("choosing it again shows the palette; the mark comes back", [&] {
    bool ok = answers("result", 0, session.ChooseMenuItem(kPaletteMenuItem));
    ok &= answers("result", 0, session.OpenMenus());
    return ok && PaletteVisible(host) && MenuItemChecked(host);
  });
  check.Step("the user docks the palette elsewhere", [&] {
    ModelDialog* palette = host.dialogs.FindByName(kPalettePrefix);
    if (!palette) return false;
    palette->group = "Smoke Dock";
    palette->dockCode = 0x1C01;
    first.group = palette->group;
    first.dockCode = palette->dockCode;
    return true;
  });
  check.Step("Shutdown frees the globals and clears the host's field", [&] {
    bool ok = answers("result", 0, session.Shutdown());
    return ok && session.globals() == nullptr && host.LiveBlocks() == 0;
  });
  check.Step("the palette went and its four preferences were stored", [&] {
    const PreferenceStore& p = host.preferences;
    const int32_t* code = p.Integer(kPalettePrefix, "kADM_DPDockCodeStr");
    const std::string* group = p.String(kPalettePrefix, "kADM_DPDockGroupStr");
    const HostPoint* location = p.Point(kPalettePrefix, "kADM_DPLocationStr");
    const bool* visible = p.Boolean(kPalettePrefix, "kADM_DPVisibleStr");
    return !host.dialogs.FindByName(kPalettePrefix) &&
           host.AccessRefsHeld() == 0 && code && *code == 0x1C01 && group &&
           *group == "Smoke Dock" && location &&
           location->h == first.bounds.left && visible && *visible;
  });
  PreferenceStore stored = host.preferences;
  check.Step("a second run restores the palette where it was", [&] {
    bool ok = session.UnloadLibrary() && session.Load();
    ok = ok && answers("result", 0, session.Startup());
    ok = ok && answers("result", 0, session.ApplicationStarted());
    return ok && PaletteIsAt(host, first, out);
  });
  check.Step("its shut-down stores the same preferences again", [&] {
    bool ok = answers("result", 0, session.Shutdown());
    return ok && host.preferences == stored && host.LiveBlocks() == 0;
  });
  check.Step("nothing is left unbalanced", [&] {
    for (const std::string& line : host.Unbalanced())
      out << "   " << line << "\n";
    return host.Unbalanced().empty();
  });
  bool passed = check.Finish();
  if (!preferencesFile.empty()) {
    std::string error;
    if (!host.preferences.Save(preferencesFile, &error)) {
      out << "error: " << error << "\n";
      return false;
    }
  }
  return passed;
}
