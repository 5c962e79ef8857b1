#pragma once
#include <QDialog>
#include <string>
#include <vector>

#include "core/radio/transponder.h"

class QDialogButtonBox;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace rdz {

// "Tracker -> Transponders...": the selected satellite's own transponder
// lines of config.txt in a table (name, downlink or passband and uplink in
// MHz, mode, uplink mode, tone in Hz, inverting), the list's entries below,
// read-only.
class TransponderDialog final : public QDialog {
 public:
  enum Column { kName, kDown, kUp, kMode, kUpMode, kTone, kInvert, kColumns };

  TransponderDialog(const std::string& satellite, const std::vector<Transponder>& own,
                    const std::vector<Transponder>& listed, QWidget* parent = nullptr);
  // The rows that read as a transponder, in order.
  std::vector<Transponder> Result() const;
  void AddRow(const Transponder& t);

  QTableWidget* Table = nullptr;
  QListWidget* Listed = nullptr;
  QPushButton* Add = nullptr;
  QPushButton* Remove = nullptr;
  QDialogButtonBox* Buttons = nullptr;
};

}  // namespace rdz
