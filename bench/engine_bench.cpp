#include <benchmark/benchmark.h>

#include <vector>

#include "orbit/engine.h"
#include "orbit/live_table.h"

namespace {

using rdz::ElementSet;

struct Row {
  double epochDay, inclination, raan, eccentricity, argPerigee, meanAnomaly, meanMotion,
      decayRate, epochRev;
};

// The first 60 blocks of data/amateur.txt (all epochs in 2026): a full live table.
constexpr Row kRows[] = {
    {131.02828537, 101.9918, 143.8856, 0.0012125, 200.3561, 181.7211, 12.53697443, -3.4e-07, 35586},
    {131.16982026, 97.8036, 97.1668, 0.0006433, 315.7966, 44.2738, 14.90694568, 8.14e-06, 25161},
    {131.14983863, 98.6892, 198.5733, 0.0007951, 201.7057, 158.3790, 14.30931926, 5.3e-07, 70170},
    {131.19510852, 98.5281, 345.1264, 0.0349635, 192.2765, 166.9689, 13.53272291, -3.9e-07, 46816},
    {130.97598956, 99.0063, 122.7983, 0.0001113, 16.9991, 343.1224, 14.24421003, 4.7e-07, 44603},
    {131.16675675, 51.6310, 123.3566, 0.0007470, 46.3627, 313.7980, 15.49181925, 5.444e-05, 56601},
    {131.00137205, 67.0514, 340.4519, 0.0006302, 263.6567, 96.3818, 14.31941390, 8.0e-07, 28512},
    {130.72927866, 64.5524, 244.8702, 0.0075633, 269.3097, 89.9342, 14.82966856, 7.48e-06, 25890},
    {131.01616769, 98.6748, 140.0418, 0.0008393, 297.0013, 63.0309, 14.24312209, 2.04e-06, 18638},
    {131.21083887, 98.3476, 314.5273, 0.0011983, 31.7180, 78.9279, 14.73399817, 2.16e-06, 21010},
    {131.18755762, 97.8261, 111.8524, 0.0009927, 145.2461, 214.9417, 15.09096632, 2.73e-05, 97961},
    {130.97235940, 97.7530, 127.1344, 0.0005072, 88.5832, 271.5989, 15.31474077, 1.1027e-04, 98159},
    {131.15903073, 82.5069, 18.4727, 0.0020382, 34.2439, 325.9951, 12.43178165, 5.4e-07, 81509},
    {131.13066574, 19.9728, 283.7690, 0.0011716, 156.0441, 18.8473, 14.11567394, 3.68e-06, 75257},
    {131.14341808, 97.8120, 93.2797, 0.0042131, 17.8518, 342.4174, 15.00898646, 3.157e-05, 67517},
    {131.02786888, 97.8338, 51.3844, 0.0074392, 331.6894, 28.0292, 14.94656030, 4.744e-05, 66907},
    {131.14073843, 97.6512, 333.9391, 0.0128259, 195.8918, 163.8248, 14.69313597, 1.4e-05, 66447},
    {131.14980934, 97.8888, 79.9863, 0.0058762, 148.6845, 211.7896, 14.93485032, 2.328e-05, 67146},
    {131.19361385, 97.8258, 101.8861, 0.0035647, 332.4449, 27.4889, 15.09004761, 5.682e-05, 67408},
    {130.98092610, 98.0872, 126.3629, 0.0008117, 15.8774, 344.2709, 15.14529000, 4.624e-05, 64705},
    {131.17016306, 97.4702, 166.6320, 0.0007792, 43.1441, 317.0419, 15.50216690, 1.1634e-04, 59001},
    {130.90637118, 30.9896, 348.4205, 0.0005704, 6.7696, 353.3037, 15.77528373, 1.31902e-03, 56489},
    {131.24557346, 97.1491, 128.6139, 0.0011542, 140.0792, 220.1302, 15.32870423, 2.464e-05, 54915},
    {131.18412439, 98.3824, 207.3390, 0.0341016, 241.7460, 114.8921, 14.44588827, 5.09e-06, 49945},
    {131.01233461, 97.4239, 290.1013, 0.0016826, 216.9132, 143.0938, 15.04724250, 1.411e-05, 48111},
    {131.09060397, 97.4765, 359.0772, 0.0154222, 96.6340, 265.2471, 15.12032600, 5.996e-05, 45978},
    {131.11497268, 97.5389, 36.1420, 0.0009430, 137.7075, 222.4887, 15.16318970, 2.74e-05, 45314},
    {131.19169547, 97.5394, 36.2040, 0.0010151, 134.0553, 226.1518, 15.16289962, 2.761e-05, 45315},
    {131.18002576, 97.5404, 36.3942, 0.0010040, 134.5870, 225.6183, 15.16325838, 2.596e-05, 45315},
    {131.19537149, 97.5421, 36.4784, 0.0011550, 129.0934, 231.1328, 15.16281125, 2.851e-05, 45170},
    {131.10435024, 98.0772, 321.9114, 0.0008001, 238.0924, 121.9521, 15.02773723, 7.6e-06, 41059},
    {131.15579828, 98.1100, 325.7784, 0.0012111, 299.1757, 60.8253, 15.00266531, 1.902e-05, 41066},
    {131.11564321, 0.0033, 75.2010, 0.0001627, 8.7258, 212.4418, 1.00273235, 1.55e-06, 2730},
    {131.18881920, 97.4545, 206.4613, 0.0007687, 49.9798, 310.2123, 15.44489493, 2.2285e-04, 40841},
    {131.10130148, 97.4408, 191.5040, 0.0010413, 116.7346, 243.4959, 15.25898855, 7.59e-05, 40756},
    {131.11021086, 97.4089, 185.0750, 0.0011797, 70.9847, 289.2666, 15.21262664, 5.455e-05, 40739},
    {131.11290757, 97.3899, 185.7766, 0.0004280, 76.8149, 283.3567, 15.26360439, 7.562e-05, 40766},
    {131.12685726, 97.4060, 183.3865, 0.0014282, 119.5348, 240.7313, 15.18571210, 4.158e-05, 40728},
    {131.07765206, 97.4260, 181.7317, 0.0012814, 112.1030, 248.1562, 15.12650734, 2.933e-05, 40672},
    {131.06045373, 97.3995, 170.0352, 0.0013322, 99.6548, 260.6184, 15.04126416, 1.673e-05, 40622},
    {131.15127351, 97.4154, 193.8880, 0.0006563, 56.1584, 304.0282, 15.32471929, 1.0391e-04, 40795},
    {131.13954280, 97.4213, 191.6912, 0.0011151, 58.7267, 301.5063, 15.27555792, 7.164e-05, 40776},
    {130.74947674, 97.5895, 63.2824, 0.0008440, 88.2362, 271.9860, 15.59311726, 4.8674e-04, 40532},
    {131.03648958, 97.5851, 57.7861, 0.0010721, 97.9534, 262.2930, 15.43852796, 2.0592e-04, 40504},
    {131.08640255, 97.6118, 68.6977, 0.0007664, 110.2677, 249.9406, 15.65516907, 7.6251e-04, 40555},
    {130.95960472, 23.9966, 2.7467, 0.0006462, 323.1483, 36.8572, 14.89731402, 8.466e-05, 36791},
    {131.19338833, 98.6391, 293.7450, 0.0009485, 73.1672, 287.0573, 14.71688993, 2.738e-05, 35320},
    {131.15656832, 97.7533, 204.2903, 0.0012857, 203.2455, 156.8181, 14.86457625, 7.24e-06, 34591},
    {131.10347560, 82.5243, 4.3509, 0.0216605, 230.9343, 127.2311, 12.79748087, 1.0e-07, 29760},
    {130.98568909, 97.8863, 131.8035, 0.0011580, 76.8104, 283.4426, 15.29246502, 5.135e-05, 30967},
    {131.17664318, 41.4670, 187.1184, 0.0004323, 286.6334, 73.4031, 15.62137381, 1.4757e-04, 28738},
    {131.19481488, 97.4193, 227.3703, 0.0001335, 277.9495, 82.1620, 15.78091657, 1.35544e-03, 25669},
    {131.06353934, 97.3700, 161.9887, 0.0013588, 64.8246, 295.4391, 15.09373351, 9.98e-06, 24712},
    {131.15472941, 97.3360, 167.6038, 0.0017235, 22.6619, 337.5373, 15.17981670, 2.509e-05, 24782},
    {131.04088000, 97.3222, 173.9286, 0.0012998, 346.2844, 13.8039, 15.26320628, 4.594e-05, 24835},
    {131.19252443, 98.4951, 223.7863, 0.0003730, 192.3468, 167.7630, 14.41321109, 2.12e-06, 22978},
    {131.13163480, 98.2152, 276.0399, 0.0008471, 134.2292, 225.9607, 14.64276471, 6.36e-06, 20557},
    {131.17665898, 97.5075, 190.0238, 0.0011429, 244.8930, 115.1119, 15.20390618, 3.876e-05, 15838},
    {131.20005564, 97.5073, 194.1091, 0.0008792, 239.5277, 120.5094, 15.28283727, 7.318e-05, 15865},
    {131.19498866, 97.5109, 199.9714, 0.0007487, 190.9899, 169.1182, 15.34845194, 1.0571e-04, 15901},
};

ElementSet ToSet(const Row& r) {
  ElementSet s;
  s.EpochYear = 2026;
  s.EpochDay = r.epochDay;
  s.Inclination = r.inclination;
  s.Raan = r.raan;
  s.Eccentricity = r.eccentricity;
  s.ArgPerigee = r.argPerigee;
  s.MeanAnomaly = r.meanAnomaly;
  s.MeanMotion = r.meanMotion;
  s.DecayRate = r.decayRate;
  s.EpochRev = r.epochRev;
  return s;
}

constexpr int kAo07 = 0;   // first block
constexpr int kRs44 = 48;  // block 49, eccentricity 0.022

rdz::Observer Lugano() { return rdz::Observer{46.5, 8.95, 273}; }

// Steps the instant by one second per iteration so the Kepler loop sees varying anomalies.
void Propagate(benchmark::State& state, const ElementSet& sat) {
  const auto engine = rdz::SetupEngine(Lugano());
  const rdz::KeplerModel model(sat);
  double tn = 131.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(model.AtDay(engine, 2026, tn));
    tn += 1.0 / 86400;
  }
}

void BM_PropagateLeo(benchmark::State& state) { Propagate(state, ToSet(kRows[kAo07])); }
BENCHMARK(BM_PropagateLeo);

void BM_PropagateElliptic(benchmark::State& state) { Propagate(state, ToSet(kRows[kRs44])); }
BENCHMARK(BM_PropagateElliptic);

// A Molniya-type orbit: eccentricity 0.72 makes the Kepler loop iterate longest.
void BM_PropagateMolniya(benchmark::State& state) {
  ElementSet sat = ToSet(kRows[kAo07]);
  sat.Inclination = 63.4;
  sat.Eccentricity = 0.72;
  sat.ArgPerigee = 270;
  sat.MeanMotion = 2.006;
  Propagate(state, sat);
}
BENCHMARK(BM_PropagateMolniya);

// One live-table tick: the station, then every shown satellite at the instant.
void BM_LiveTablePass60(benchmark::State& state) {
  std::vector<rdz::KeplerModel> models;
  for (const Row& r : kRows) models.emplace_back(ToSet(r));
  const rdz::Observer station = Lugano();
  int second = 0;
  for (auto _ : state) {
    const auto engine = rdz::SetupEngine(station);
    const rdz::CivilTime utc{2026, 5, 11, 12, second / 60, second % 60};
    for (const rdz::KeplerModel& model : models) {
      benchmark::DoNotOptimize(model.At(engine, utc));
    }
    second = (second + 1) % 3600;
  }
}
BENCHMARK(BM_LiveTablePass60);

struct NullView final : rdz::LiveTableView {
  int SelectedOption() const override { return rdz::kTrackerOffOption; }
  void ShowRow(int, const std::string& text, rdz::RowColours) override {
    benchmark::DoNotOptimize(text.data());
  }
  void ShowRotorPosition(const std::string&, const std::string&) override {}
  void ShowTitle(const std::string&) override {}
  void EnableRotorTimer(bool) override {}
  void ShowTrackingPicture(bool) override {}
  void ClearTrackerOffHighlight() override {}
  void UpdateMap(const rdz::MapFields&) override {}
};

// The live-table pass with its row texts, as rdz_gui_bench runs it without a
// window: the figure to hold the window process's pass against.
void BM_RefreshLiveTableRows60(benchmark::State& state) {
  rdz::ElementTable table;
  int k = 0;
  for (const Row& r : kRows) table[++k] = ToSet(r);
  const rdz::OrbitModels models = rdz::MakeOrbitModels(table, k);
  NullView view;
  int second = 0;
  for (auto _ : state) {
    rdz::RefreshLiveTable(table, models, Lugano(), {2026, 5, 11, 12, second / 60, second % 60},
                          view);
    second = (second + 1) % 3600;
  }
}
BENCHMARK(BM_RefreshLiveTableRows60);

}  // namespace
