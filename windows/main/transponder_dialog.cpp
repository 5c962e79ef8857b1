#include "windows/main/transponder_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/radio/transponder_config.h"
#include "core/base/number_text.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

std::string OwnName(std::string description) {
  const std::string own = " (config.txt)";
  if (description.size() >= own.size() && description.ends_with(own)) description.resize(description.size() - own.size());
  return description == "config.txt" ? std::string() : description;
}

QString ListedText(const Transponder& t) {
  std::string text = t.description + "   down " + (t.downLow ? BandText(t.downLow, t.downHigh) : "-") + "   up " +
                     (t.upLow ? BandText(t.upLow, t.upHigh) : "-");
  if (!t.mode.empty()) text += "   " + t.mode;
  if (!t.upMode.empty()) text += "/" + t.upMode;
  if (t.invert) text += "   inverting";
  return qt::ToQString(text);
}

}  // namespace

TransponderDialog::TransponderDialog(const std::string& satellite, const std::vector<Transponder>& own,
                                     const std::vector<Transponder>& listed, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(qt::ToQString("RodeDizevad - Transponders of " + satellite));
  Table = new QTableWidget(0, kColumns, this);
  Table->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Downlink (MHz)"),
                                    QStringLiteral("Uplink (MHz)"), QStringLiteral("Mode"),
                                    QStringLiteral("Uplink mode"), QStringLiteral("Tone (Hz)"),
                                    QStringLiteral("Inverting")});
  Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (const Transponder& t : own) AddRow(t);
  Add = new QPushButton(QStringLiteral("Add"), this);
  Remove = new QPushButton(QStringLiteral("Remove"), this);
  Listed = new QListWidget(this);
  for (const Transponder& t : listed) Listed->addItem(ListedText(t));
  Listed->setSelectionMode(QAbstractItemView::NoSelection);
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  auto* rowButtons = new QHBoxLayout;
  rowButtons->addWidget(Add);
  rowButtons->addWidget(Remove);
  rowButtons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("In config.txt (passbands as 145.925-145.975):"), this));
  layout->addWidget(Table, 2);
  layout->addLayout(rowButtons);
  layout->addWidget(new QLabel(QStringLiteral("From the transmitter list (read-only):"), this));
  layout->addWidget(Listed, 1);
  layout->addWidget(Buttons);
  resize(760, 420);

  connect(Add, &QPushButton::clicked, this, [this] { AddRow(Transponder{}); });
  connect(Remove, &QPushButton::clicked, this, [this] {
    if (Table->currentRow() >= 0) Table->removeRow(Table->currentRow());
  });
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TransponderDialog::AddRow(const Transponder& t) {
  const int row = Table->rowCount();
  Table->insertRow(row);
  const auto set = [&](int column, const std::string& text) { Table->setItem(row, column, new QTableWidgetItem(qt::ToQString(text))); };
  set(kName, OwnName(t.description));
  set(kDown, BandText(t.downLow, t.downHigh));
  set(kUp, BandText(t.upLow, t.upHigh));
  set(kMode, t.mode);
  set(kUpMode, t.upMode);
  set(kTone, t.tone > 0 ? ShortestDecimalText(t.tone) : std::string());
  auto* invert = new QTableWidgetItem;
  invert->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  invert->setCheckState(t.invert ? Qt::Checked : Qt::Unchecked);
  Table->setItem(row, kInvert, invert);
}

std::vector<Transponder> TransponderDialog::Result() const {
  // Each row as the line it would be, read as config.txt reads it.
  std::vector<std::string> lines;
  for (int row = 0; row < Table->rowCount(); ++row) {
    const auto cell = [&](int column) {
      const QTableWidgetItem* item = Table->item(row, column);
      return item ? qt::FromQString(item->text().simplified()) : std::string();
    };
    std::string line = "X";
    const std::pair<int, const char*> keys[] = {{kName, "NAME"}, {kDown, "DOWN"}, {kUp, "UP"},
                                                {kMode, "MODE"}, {kUpMode, "UPMODE"}, {kTone, "TONE"}};
    for (const auto& [column, key] : keys) {
      if (!cell(column).empty()) line += std::string(" ") + key + "(" + cell(column) + ")";
    }
    const QTableWidgetItem* invert = Table->item(row, kInvert);
    if (invert && invert->checkState() == Qt::Checked) line += " INVERT";
    lines.push_back(line);
  }
  return ConfiguredTransponders(lines, "X");
}

}  // namespace rdz
