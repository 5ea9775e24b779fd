// Where the palette comes and which dock group it joins, from the stored
// preferences or their defaults, for every stored value.
#include <string.h>

#include <limits>

#include "devhost/suites/tables.h"
#include "tests/support/palette_test.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

struct PlacementCase {
  const char* name;
  int32_t templateWidth;
  int32_t templateHeight;
  HostRect area;
  std::optional<HostPoint> stored;
  HostRect want;
};

void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

const PlacementCase kPlacementCases[] = {
    {"defaults_put_the_template_in_the_areas_corner",
     210,
     100,
     {0, 0, 1000, 800},
     std::nullopt,
     {790, 694, 1002, 806}},
    {"stored_location_wins_over_area_and_template",
     300,
     50,
     {0, 0, 1600, 1200},
     HostPoint{100, 200},
     {100, 194, 312, 306}},
    {"negative_location_of_a_left_screen",
     210,
     100,
     {0, 0, 1000, 800},
     HostPoint{-500, -20},
     {-500, -26, -288, 86}},
    {"last_location_that_fits_stays",
     210,
     100,
     {0, 0, 1000, 800},
     HostPoint{kMax - 212, kMax - 106},
     {kMax - 212, kMax - 112, kMax, kMax}},
    {"largest_location_is_clamped",
     210,
     100,
     {0, 0, 1000, 800},
     HostPoint{kMax, kMax},
     {kMax - 212, kMax - 112, kMax, kMax}},
    {"smallest_location_is_clamped",
     210,
     100,
     {0, 0, 1000, 800},
     HostPoint{kMin, kMin},
     {kMin, kMin, kMin + 212, kMin + 112}},
    {"vertical_just_above_the_minimum_is_clamped",
     210,
     100,
     {0, 0, 1000, 800},
     HostPoint{0, kMin + 5},
     {0, kMin, 212, kMin + 112}},
    {"area_at_the_lower_limit_is_clamped",
     210,
     100,
     {kMin, kMin, kMin + 100, kMin + 50},
     std::nullopt,
     {kMin, kMin, kMin + 212, kMin + 112}},
    {"area_at_the_upper_limit_is_clamped",
     210,
     100,
     {0, 0, kMax, kMax},
     std::nullopt,
     {kMax - 212, kMax - 112, kMax, kMax}},
};

class Placement : public PaletteTest,
                  public ::testing::WithParamInterface<PlacementCase> {};

// Runs under UndefinedBehaviorSanitizer: a signed overflow in the
// arithmetic ends the test.
TEST_P(Placement, BoundsFollowTheStoredLocationOrTheDefault) {
  const PlacementCase& c = GetParam();
  SetPaletteTemplate(c.templateWidth, c.templateHeight);
  host.dialogs.paletteArea = c.area;
  if (c.stored) host.preferences.PutPoint(kPrefix, kLocationKey, *c.stored);
  StartWithPalette();
  EXPECT_EQ(Palette()->bounds, c.want);
  EXPECT_EQ(ArgsOf("AdmDialogSetBoundsRect").size(), 1u);
  EXPECT_EQ(Palette()->group, "KorvaneDialogs");
  EXPECT_EQ(Palette()->dockCode, 7168);
}

INSTANTIATE_TEST_SUITE_P(Locations, Placement,
                         ::testing::ValuesIn(kPlacementCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

struct DockCase {
  const char* name;
  std::optional<std::string> storedGroup;
  std::optional<int32_t> storedCode;
  std::string wantGroup;
  int32_t wantCode;
};

void PrintTo(const DockCase& c, std::ostream* out) { *out << c.name; }

const DockCase kDockCases[] = {
    {"nothing_stored_gives_the_defaults", std::nullopt, std::nullopt,
     "KorvaneDialogs", 7168},
    {"stored_group_and_code_handed_on_as_read", "Right \"Column\" 2", 0x2A05,
     "Right \"Column\" 2", 0x2A05},
    {"code_with_every_bit_is_handed_on", std::nullopt, kMin, "KorvaneDialogs",
     kMin},
    {"empty_group_is_handed_on", "", 0, "", 0},
    {"group_of_63_characters_fits", std::string(63, 'g'), std::nullopt,
     std::string(63, 'g'), 7168},
    {"longer_group_arrives_cut_by_the_host", std::string(200, 'g'),
     std::nullopt, std::string(63, 'g'), 7168},
};

class Dock : public PaletteTest,
             public ::testing::WithParamInterface<DockCase> {};

TEST_P(Dock, StoredGroupAndCodeReachTheDialogManagerExactly) {
  const DockCase& c = GetParam();
  if (c.storedGroup)
    host.preferences.PutString(kPrefix, kGroupKey, *c.storedGroup);
  if (c.storedCode)
    host.preferences.PutInteger(kPrefix, kCodeKey, *c.storedCode);
  StartWithPalette();
  EXPECT_EQ(ArgsOf("AdmGroupSetInfo"), std::vector<std::string>{RenderArgs(
                                           static_cast<const void*>(Palette()),
                                           c.wantGroup.c_str(), c.wantCode)});
  EXPECT_EQ(Palette()->group, c.wantGroup);
  EXPECT_EQ(Palette()->dockCode, c.wantCode);
}

INSTANTIATE_TEST_SUITE_P(Groups, Dock, ::testing::ValuesIn(kDockCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// A host that breaks its promise: fills all 64 bytes and no terminator.
HostError HOST_API UnterminatedStringPref(const char*, const char*,
                                          char* value) {
  memset(value, 'x', 64);
  return 0;
}

TEST_F(PaletteTest, GroupNameEndsInsideItsBufferWhateverTheHostWrites) {
  static AiPreferenceSuite careless = kDevHostPreferenceSuite;
  careless.AiGetStringPref = UnterminatedStringPref;
  host.OfferSuite(kAiPreferenceSuite, kAiPreferenceSuiteVersion, &careless);
  StartWithPalette();
  EXPECT_EQ(Palette()->group, std::string(63, 'x'));
}

}  // namespace
