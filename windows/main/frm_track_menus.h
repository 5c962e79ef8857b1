#pragma once

class QAction;
class QMenu;

namespace rdz {

// The main window's menu bar, its entries named as the handlers know them.
struct FrmTrackMenus {
  QMenu* Mnu1 = nullptr;
  QAction* MnuLoadFile = nullptr;
  QAction* MnuLoadInternet = nullptr;
  QAction* MnuLoadFile1 = nullptr;
  QAction* MnuLoadGeoKepler = nullptr;
  QAction* LoadGpsKepler = nullptr;
  QAction* MnuMars = nullptr;
  QAction* MnuLeo = nullptr;
  QAction* MnuShuttle = nullptr;
  QAction* MnuTransponders = nullptr;
  QMenu* mnu3 = nullptr;
  QAction* MnuBloBla = nullptr;
  QAction* MnuVelkClock = nullptr;
  QAction* MnuPasses = nullptr;
  QAction* MnuAlerts = nullptr;
  QMenu* MnuCfg = nullptr;
  QAction* MnuConfig = nullptr;
  QAction* MnuPersData = nullptr;
  QAction* MnuStation = nullptr;
  QMenu* mnuTrk = nullptr;
  QAction* KV250_1 = nullptr;
  QAction* KV250_2 = nullptr;
  QAction* TrkOther = nullptr;
  QAction* TrkRadio = nullptr;  // checked while a radio is in use
  QAction* TrkTransponders = nullptr;
  QAction* TrkSun = nullptr;    // checked while the rotor follows the Sun
  QAction* TrkMoon = nullptr;
  QAction* MnuInfo = nullptr;
};

}  // namespace rdz
