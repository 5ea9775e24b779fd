// The menu item that shows and hides the palette and carries its check
// mark.
#include "tests/support/palette_test.h"

namespace {

TEST_F(PaletteTest, ItemIsRegisteredWithItsGroupTextAndOptions) {
  ASSERT_EQ(session.Startup(), 0);
  EXPECT_EQ(ArgsOf("AiAddMenuItem"),
            std::vector<std::string>{
                Ref(host.pluginRef()) +
                ", \"Quaso Palette Menu Item\", {\"Tool Palettes\", "
                "[13]\"Quaso Palette\"}, 1"});
  ASSERT_NE(Item(), nullptr);
  EXPECT_EQ(Item()->group, "Tool Palettes");
  EXPECT_EQ(Item()->text, "Quaso Palette");
  EXPECT_EQ(Item()->textBytes, 14);
  EXPECT_EQ(Item()->options, kAiMenuWantsUpdate);
  EXPECT_EQ(Globals()->field[0], Item()) << "the handle is kept";
}

enum class Shown { kNone, kShown, kHidden };
enum class Handle { kOwn, kForeign };

struct MenuCase {
  const char* name;
  Shown palette;
  Handle handle;
  const char* selector;
  std::optional<HostBoolean> visibleAnswer;  // else the model's
  std::vector<std::string> wantShow;         // AdmDialogShow's flag
  size_t wantVisibilityQuestions;
  std::vector<std::string> wantCheck;  // AiCheckMenuItem: handle, flag
};

void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.name; }

const MenuCase kMenuCases[] = {
    {"go_while_shown_hides",
     Shown::kShown,
     Handle::kOwn,
     kSelectorAiGo,
     std::nullopt,
     {"0"},
     1,
     {}},
    {"go_while_hidden_shows",
     Shown::kHidden,
     Handle::kOwn,
     kSelectorAiGo,
     std::nullopt,
     {"1"},
     1,
     {}},
    {"go_with_visibility_256_hides_with_0",
     Shown::kShown,
     Handle::kOwn,
     kSelectorAiGo,
     256,
     {"0"},
     1,
     {}},
    {"go_with_foreign_handle_makes_no_call",
     Shown::kShown,
     Handle::kForeign,
     kSelectorAiGo,
     std::nullopt,
     {},
     0,
     {}},
    {"go_without_palette_makes_no_call",
     Shown::kNone,
     Handle::kOwn,
     kSelectorAiGo,
     std::nullopt,
     {},
     0,
     {}},
    {"update_while_shown_checks",
     Shown::kShown,
     Handle::kOwn,
     kSelectorAiUpdate,
     std::nullopt,
     {},
     1,
     {"own", "1"}},
    {"update_passes_visibility_256_on",
     Shown::kShown,
     Handle::kOwn,
     kSelectorAiUpdate,
     256,
     {},
     1,
     {"own", "256"}},
    {"update_while_hidden_clears",
     Shown::kHidden,
     Handle::kOwn,
     kSelectorAiUpdate,
     std::nullopt,
     {},
     1,
     {"own", "0"}},
    {"update_answers_for_the_handle_it_names",
     Shown::kShown,
     Handle::kForeign,
     kSelectorAiUpdate,
     std::nullopt,
     {},
     1,
     {"foreign", "1"}},
    {"update_without_palette_clears_without_asking",
     Shown::kNone,
     Handle::kOwn,
     kSelectorAiUpdate,
     std::nullopt,
     {},
     0,
     {"own", "0"}},
};

class Menu : public PaletteTest,
             public ::testing::WithParamInterface<MenuCase> {};

TEST_P(Menu, ShowsHidesAndChecksAsThePaletteIs) {
  const MenuCase& c = GetParam();
  ASSERT_EQ(session.Startup(), 0);
  if (c.palette != Shown::kNone) {
    ASSERT_EQ(session.ApplicationStarted(), 0);
    Palette()->visible = c.palette == Shown::kShown;
  }
  // Another item the host knows, which the plug-in never registered.
  unsigned char text[] = "\x05Other";
  HostMenuRecord record = {"Other Group", text};
  HostMenuItemHandle foreign = nullptr;
  ASSERT_EQ(host.menus.Add(host.pluginRef(), "Other", &record, 1, &foreign), 0);
  HostMenuItemHandle handle =
      c.handle == Handle::kOwn ? Item()->handle() : foreign;
  if (c.visibleAnswer) host.FailEvery("AdmDialogIsVisible", *c.visibleAnswer);

  size_t mark = Mark();
  EXPECT_EQ(session.Send(kCallerAiMenu, c.selector, handle), 0);

  std::vector<std::string> shows;
  for (const std::string& args : ArgsOf("AdmDialogShow", mark))
    shows.push_back(args.substr(args.rfind(", ") + 2));
  EXPECT_EQ(shows, c.wantShow);
  EXPECT_EQ(ArgsOf("AdmDialogIsVisible", mark).size(),
            c.wantVisibilityQuestions);
  EXPECT_EQ(CallsStartingWith("AdmDialog", mark),
            c.wantVisibilityQuestions + c.wantShow.size());
  std::vector<std::string> checks;
  if (!c.wantCheck.empty())
    checks.push_back(RenderArgs(
        static_cast<const void*>(
            c.wantCheck[0] == std::string("own") ? Item()->handle() : foreign),
        static_cast<int32_t>(std::stoi(c.wantCheck[1]))));
  EXPECT_EQ(ArgsOf("AiCheckMenuItem", mark), checks);
  host.ClearFaults();
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Messages, Menu, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// Chosen twice, the item leaves the palette as it found it; the check mark
// follows at every opening of the menu.
class Toggle : public PaletteTest,
               public ::testing::WithParamInterface<bool> {};

TEST_P(Toggle, TwoChoicesLeaveThePaletteAsItWas) {
  bool shown = GetParam();
  StartWithPalette();
  Palette()->visible = shown;
  for (bool want : {!shown, shown}) {
    EXPECT_EQ(session.ChooseMenuItem(kItemName), 0);
    EXPECT_EQ(Palette()->visible, want);
    EXPECT_EQ(session.OpenMenus(), 0);
    EXPECT_EQ(Item()->checked, want);
  }
}

INSTANTIATE_TEST_SUITE_P(From, Toggle, ::testing::Values(true, false),
                         [](const auto& info) {
                           return info.param ? "shown" : "hidden";
                         });

}  // namespace
