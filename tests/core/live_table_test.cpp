#include "orbit/live_table.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "orbit/row_text.h"

namespace rdz {
namespace {

// Records what the pass shows, as the main window would.
struct FakeView final : LiveTableView {
  struct Row {
    std::string text;
    RowColours colours;
  };
  int selected = kTrackerOffOption;
  std::map<int, Row> rows;
  std::optional<std::pair<std::string, std::string>> rotor;
  std::optional<std::string> title;
  std::optional<bool> rotorTimer;
  std::optional<bool> picture;
  int highlightCleared = 0;
  std::vector<MapFields> map;

  int SelectedOption() const override { return selected; }
  void ShowRow(int row, const std::string& text, RowColours colours) override {
    rows[row] = {text, colours};
  }
  void ShowRotorPosition(const std::string& az, const std::string& el) override {
    rotor = {az, el};
  }
  void ShowTitle(const std::string& caption) override { title = caption; }
  void EnableRotorTimer(bool enabled) override { rotorTimer = enabled; }
  void ShowTrackingPicture(bool visible) override { picture = visible; }
  void ClearTrackerOffHighlight() override { ++highlightCleared; }
  void UpdateMap(const MapFields& fields) override { map.push_back(fields); }
};

SatState State(int az, int el) {
  SatState s;
  s.AZ = az;
  s.EL = el;
  s.MA = 200;
  s.HGT = 812;
  s.RANGE = 3204;
  s.ILL = 55;
  s.SQ = 130;
  s.LA = -45;
  s.LO = -120;
  s.RN = 14368;
  return s;
}

std::string Name(int k) {
  std::string name = "SAT-" + std::to_string(k);
  name.resize(9, ' ');
  return name;
}

// A table of `count` satellites whose states the test sets by name; an entry
// without a state cannot be computed. Counts the propagations asked for.
struct Sky {
  TrackerState state;
  std::map<std::string, SatState> states;
  std::vector<std::string> asked;

  explicit Sky(int count) {
    state.SatCount = count;
    for (int k = 1; k <= std::min(count, ElementTable::kNameCapacity); ++k) {
      state.Elements[k].Name = Name(k);
      states[Name(k)] = State(10 * k % 360, -10);
    }
    state.UtcDateText = "11/05/2026";
    state.UtcTimeText = "12:00:00";
  }

  void Refresh(LiveTableView& view) {
    RefreshLiveTable(state, view, [this](const EngineContext&, const ElementSet& sat, int, double) {
      asked.push_back(sat.Name);
      std::optional<Propagation> p;
      if (auto it = states.find(sat.Name); it != states.end()) p = Propagation{it->second, {}};
      return p;
    });
  }
};

const RowColours kDown{kButtonFace, kButtonText};
const RowColours kUp{kUpBackground, kUpText};

TEST(LiveTable, OneSatelliteFillsRowZeroAndTheMap) {
  Sky sky(1);
  sky.states[Name(1)] = State(7, -12);
  FakeView view;
  sky.Refresh(view);
  ASSERT_EQ(view.rows.size(), 1u);
  EXPECT_EQ(view.rows[0].text, "SAT-1       7 -12 200   812  3204  55 130 -45-120  14368");
  EXPECT_EQ(view.rows[0].colours, kDown);
  ASSERT_EQ(view.map.size(), 1u);
  EXPECT_EQ(view.map[0].az, "   7");
  EXPECT_EQ(view.map[0].el, " -12");
  EXPECT_EQ(view.map[0].la, " -45");
  EXPECT_EQ(view.map[0].lo, "-120");
  EXPECT_EQ(view.map[0].name, Name(1));
  // Tracking off: the rotor side of the window is not touched.
  EXPECT_FALSE(view.rotor || view.title || view.rotorTimer || view.picture);
  EXPECT_EQ(view.highlightCleared, 0);
}

TEST(LiveTable, RowsAreColouredByVisibility) {
  Sky sky(3);
  sky.states[Name(1)] = State(100, 0);  // on the horizon: down
  sky.states[Name(2)] = State(100, 1);  // up from a rounded 1 degree
  sky.states[Name(3)] = State(100, -1);
  FakeView view;
  sky.Refresh(view);
  EXPECT_EQ(view.rows[0].colours, kDown);
  EXPECT_EQ(view.rows[1].colours, kUp);
  EXPECT_EQ(view.rows[2].colours, kDown);
}

TEST(LiveTable, SelectedSatelliteUpIsTracked) {
  Sky sky(3);
  sky.states[Name(2)] = State(123, 45);
  FakeView view;
  view.selected = 1;
  sky.Refresh(view);
  ASSERT_TRUE(view.rotor);
  EXPECT_EQ(view.rotor->first, "123");
  EXPECT_EQ(view.rotor->second, "45");
  EXPECT_EQ(view.title, "A:123 E:45 RodeDizevad - beta release by Quorbel v0.05beta");
  EXPECT_EQ(view.rotorTimer, true);
  EXPECT_EQ(view.picture, true);
  EXPECT_EQ(view.rows[1].colours, (RowColours{kTrackedBackground, kUpText}));
  EXPECT_EQ(view.highlightCleared, 0);
  // The map still follows satellite 1.
  ASSERT_EQ(view.map.size(), 1u);
  EXPECT_EQ(view.map[0].name, Name(1));
}

// Below the horizon, and a satellite that cannot be computed, stand the rotor by.
TEST(LiveTable, SelectedSatelliteDownOrFailingStandsBy) {
  for (const bool failing : {false, true}) {
    Sky sky(3);
    sky.states[Name(2)] = State(123, 0);
    if (failing) sky.states.erase(Name(2));
    FakeView view;
    view.selected = 1;
    sky.Refresh(view);
    ASSERT_TRUE(view.rotor) << failing;
    EXPECT_EQ(view.rotor->first, "StBy");
    EXPECT_EQ(view.rotor->second, "StBy");
    EXPECT_EQ(view.title, kStandardCaption);
    EXPECT_EQ(view.rotorTimer, false);
    EXPECT_EQ(view.picture, false);
    EXPECT_EQ(view.highlightCleared, 1);
    EXPECT_EQ(view.rows[1].colours, kDown);
    if (failing) {
      EXPECT_EQ(view.rows[1].text, FailedRowText(Name(2)));
    }
    EXPECT_EQ(view.rows.size(), 3u);
  }
}

TEST(LiveTable, FailingFirstSatelliteLeavesTheMapAlone) {
  Sky sky(2);
  sky.states.erase(Name(1));
  FakeView view;
  sky.Refresh(view);
  EXPECT_TRUE(view.map.empty());
  EXPECT_EQ(view.rows.size(), 2u);
}

TEST(LiveTable, TextThatIsNotAnInstantChangesNothing) {
  for (const auto& [date, time] : std::vector<std::pair<std::string, std::string>>{
           {"", ""}, {"2026-05-11", "12:00:00"}, {"31/02/2026", "12:00:00"}, {"11/05/2026", "25:00:00"}}) {
    Sky sky(3);
    sky.state.UtcDateText = date;
    sky.state.UtcTimeText = time;
    FakeView view;
    view.selected = 0;
    sky.Refresh(view);
    EXPECT_TRUE(view.rows.empty()) << date << " " << time;
    EXPECT_FALSE(view.rotor) << date << " " << time;
  }
}

}  // namespace
}  // namespace rdz
