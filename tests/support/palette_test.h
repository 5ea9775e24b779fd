// What the palette and menu tests share: the names the plug-in stores its
// palette under, and a fixture that runs the plug-in up to a palette.
#pragma once

#include <optional>
#include <string>

#include "host/names.h"
#include "tests/support/plugin_test.h"

inline constexpr char kPrefix[] = "QuasoPalette";
inline constexpr char kGroupKey[] = "kADM_DPDockGroupStr";
inline constexpr char kCodeKey[] = "kADM_DPDockCodeStr";
inline constexpr char kLocationKey[] = "kADM_DPLocationStr";
inline constexpr char kVisibleKey[] = "kADM_DPVisibleStr";
inline constexpr char kItemName[] = "Quaso Palette Menu Item";

inline bool operator==(const HostRect& a, const HostRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right &&
         a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const HostRect& r) {
  return out << "(" << r.left << ", " << r.top << ", " << r.right << ", "
             << r.bottom << ")";
}

// The globals block as five pointer-sized fields: menu item, basic suite,
// palette dialog, access reference, notifier.
struct GlobalsView {
  void* field[5];
};

class PaletteTest : public PluginTest {
 protected:
  // Start-up, then the application-started notification.
  void StartWithPalette() {
    ASSERT_EQ(session.Startup(), 0);
    ASSERT_EQ(session.ApplicationStarted(), 0);
    ASSERT_NE(Palette(), nullptr);
  }

  // A new run of the plug-in in the same host: the library is loaded anew.
  void NewRun() {
    ASSERT_TRUE(session.UnloadLibrary()) << session.error();
    ASSERT_TRUE(session.Load()) << session.error();
    ASSERT_EQ(session.Startup(), 0);
    ASSERT_EQ(session.ApplicationStarted(), 0);
  }

  ModelDialog* Palette() const { return host.dialogs.FindByName(kPrefix); }

  GlobalsView* Globals() const {
    return static_cast<GlobalsView*>(host.FindBlock("globals"));
  }

  MenuItem* Item() const { return host.menus.FindByName(kItemName); }

  // The palette dialog as the plug-in keeps it.
  void* PaletteField() const { return Globals()->field[2]; }

  // The palette template's size, as the dialog manager builds it.
  void SetPaletteTemplate(int32_t width, int32_t height) {
    host.dialogs.SetTemplate(16000, {width, height, false, {{1, ""}}});
  }

  // Operations nested directly inside the call at trace index `index`.
  std::vector<std::string> NestedIn(size_t index) const {
    const auto& entries = host.trace().Entries();
    std::vector<std::string> out;
    for (size_t i = index + 1; i < entries.size(); ++i) {
      if (entries[i].depth <= entries[index].depth) break;
      if (entries[i].depth == entries[index].depth + 1)
        out.push_back(entries[i].operation + "(" + entries[i].arguments + ")");
    }
    return out;
  }

  // Trace index of the last call of `operation`.
  size_t LastCall(const std::string& operation) const {
    const auto& entries = host.trace().Entries();
    for (size_t i = entries.size(); i-- > 0;)
      if (entries[i].operation == operation) return i;
    ADD_FAILURE() << "no call of " << operation;
    return entries.size();
  }

  // Host calls from `from` on whose name starts with `prefix`.
  size_t CallsStartingWith(const std::string& prefix, size_t from) const {
    size_t count = 0;
    const auto& entries = host.trace().Entries();
    for (size_t i = from; i < entries.size(); ++i)
      count += entries[i].operation.compare(0, prefix.size(), prefix) == 0;
    return count;
  }

  std::string Ref(const void* p) const { return RenderArg(p); }
};
