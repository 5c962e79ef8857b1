#include "core/table/live_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/table/row_text.h"
#include "core/table/satellite_id.h"

namespace rdz {
namespace {

TEST(RowText, FieldsLineUpUnderTheHeaderAndLongValuesAreNotCut) {
  const std::string row =
      FormatRowText("AO-10    ", {7, -12, 200, 812, 3204, 55, 130, -45, -120, 14368});
  EXPECT_EQ(row, "AO-10       7 -12 200   812  3204  55 130 -45-120  14368");
  EXPECT_EQ(std::strlen(kTableHeader), row.size());
  // Every column title ends where its right-aligned value ends.
  const std::string header = kTableHeader;
  for (const char* title : {"AZ", "EL", "MA", "HGT", "RANGE", "ILL", "SQ", "LA", "LO", "RN"}) {
    EXPECT_NE(row[header.find(std::string(" ") + title) + std::strlen(title)], ' ') << title;
  }
  EXPECT_EQ(FormatRowText("QO-100   ",
                          {360, 90, 255, 1234567, 7654321, 100, 180, 90, 180, 1234567.5}),
            "QO-100    360  90 25512345677654321 100 180  90 1801234567.5");
  EXPECT_EQ(FailedRowText("BAD-1    "), "BAD-1       ERROR");
}

// Records what the pass shows, as the main window would; the rotor side as one text.
struct FakeView final : LiveTableView {
  int selected = kTrackerOffOption;
  std::map<int, std::pair<std::string, RowColours>> rows;
  std::string rotorSide;
  std::vector<MapFields> map;

  int SelectedOption() const override { return selected; }
  void ShowRow(int row, const std::string& text, RowColours colours) override { rows[row] = {text, colours}; }
  void ShowRotorPosition(const std::string& az, const std::string& el) override { rotorSide += az + " " + el + "|"; }
  void ShowTitle(const std::string& caption) override { rotorSide += caption + "|"; }
  void ShowTrackingPicture(bool on) override { rotorSide += on ? "picture|" : "no picture|"; }
  void UpdateMap(const MapFields& fields) override { map.push_back(fields); }
};

SatState State(int az, int el) { return {az, el, 200, 812, 3204, 55, 130, -45, -120, 14368}; }

std::string Name(int k) { return ("SAT-" + std::to_string(k) + "     ").substr(0, 9); }

// Gives whatever state the test set for its satellite; none: cannot be computed.
struct FakeModel final : OrbitModel {
  const std::map<std::string, SatState>* states;
  std::string name;
  FakeModel(const std::map<std::string, SatState>* s, std::string n) : states(s), name(n) {}
  std::optional<Propagation> At(const EngineContext&, const CivilTime&) const override {
    if (auto it = states->find(name); it != states->end()) return Propagation{it->second, {}};
    return std::nullopt;
  }
};

// A table of `count` satellites whose states the test sets by name.
struct Sky {
  ElementTable elements;
  OrbitModels models;
  std::map<std::string, SatState> states;

  explicit Sky(int count) {
    for (int k = 1; k <= count; ++k) {
      elements[k].Name = Name(k);
      states[Name(k)] = State(10 * k % 360, -10);
      models.push_back(std::make_shared<FakeModel>(&states, Name(k)));
    }
  }

  FakeView Refresh(int selected = kTrackerOffOption) {
    FakeView view;
    view.selected = selected;
    RefreshLiveTable(elements, models, Observer{}, CivilTime{2026, 5, 11, 12, 0, 0}, view);
    return view;
  }
};

const RowColours kDown{kButtonFace, kButtonText};
const RowColours kUp{kUpBackground, kUpText};

TEST(LiveTable, SixtyRowsColouredByVisibilityAndSatelliteOneOnTheMap) {
  Sky sky(75);
  sky.states[Name(1)] = State(7, 0);  // on the horizon: down
  sky.states[Name(2)] = State(100, 1);  // up from a rounded 1 degree
  FakeView view = sky.Refresh();
  ASSERT_EQ(view.rows.size(), 60u);
  EXPECT_EQ(view.rows[0].first, FormatRowText(Name(1), State(7, 0)));
  EXPECT_TRUE(view.rows[0].second == kDown && view.rows[1].second == kUp && view.rows[2].second == kDown);
  ASSERT_EQ(view.map.size(), 1u);
  const MapFields& m = view.map[0];
  EXPECT_EQ(m.az + m.el + m.la + m.lo + m.name, "   7   0 -45-120" + Name(1));
  EXPECT_EQ(view.rotorSide, "");  // tracking off: not touched
}

// The selected satellite up is tracked; below the horizon, or when it cannot be
// computed, the rotor stands by, and the rows after a failing one are still shown.
TEST(LiveTable, SelectedSatelliteUpIsTrackedDownOrFailingStandsBy) {
  const std::string standBy = "StBy StBy|" + std::string(kStandardCaption) + "|no picture|";
  const struct {
    int el;
    bool failing;
    std::string rotorSide;
    RowColours colours;
  } cases[] = {{45, false, "123 45|A:123 E:45 RodeDizevad - beta release by Quorbel v0.05beta|picture|",
                {kTrackedBackground, kUpText}},
               {0, false, standBy, kDown},
               {0, true, standBy, kDown}};
  for (const auto& c : cases) {
    Sky sky(3);
    sky.states[Name(2)] = State(123, c.el);
    if (c.failing) std::erase_if(sky.states, [](const auto& e) { return e.first != Name(3); });
    FakeView view = sky.Refresh(1);
    EXPECT_EQ(view.rotorSide, c.rotorSide) << c.el << c.failing;
    EXPECT_TRUE(view.rows[1].second == c.colours && view.rows.size() == 3u);
    ASSERT_EQ(view.map.size(), c.failing ? 0u : 1u);
    if (!c.failing) EXPECT_EQ(view.map[0].name, Name(1));
    EXPECT_EQ(view.rows[1].first == FailedRowText(Name(2)), c.failing);
  }
}

// A satellite keeps its catalog number across files and formats; without one its name tells.
TEST(SatelliteIdentity, CatalogNumbersWhereBothHaveOneElseNames) {
  const struct {
    SatelliteId a, b;
    bool same;
  } cases[] = {{{27607, "SO-50"}, {27607, "SAUDISAT 1C"}, true},
               {{27607, "SO-50"}, {27608, "SO-50"}, false},
               {{0, "SO-50"}, {27607, "SO-50"}, true},
               {{0, "SO-50"}, {0, "SO-5"}, false}};
  for (const auto& c : cases) EXPECT_EQ(SameSatellite(c.a, c.b), c.same) << c.a.name << " " << c.b.name;
}

}  // namespace
}  // namespace rdz
