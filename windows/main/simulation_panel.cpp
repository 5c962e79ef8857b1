#include "windows/main/simulation_panel.h"

#include <QGridLayout>
#include <QPushButton>

namespace rdz {

SimulationPanel::SimulationPanel(QWidget* parent) : QWidget(parent) {
  static constexpr const char* kCaptions[6] = {"=", ">", ">>", "<", "<<", "STOP"};
  for (int i = 0; i < 6; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(kCaptions[i]), this);
    button->setObjectName(QStringLiteral("CmdStop(%1)").arg(i));
    // Narrow as their captions, but never cut.
    const int w = button->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 16;
    button->setMinimumWidth(w);
    if (i < 5) button->setMaximumWidth(w + 16);
    connect(button, &QPushButton::clicked, this, [this, i] { emit stopClicked(i); });
    CmdStop[static_cast<std::size_t>(i)] = button;
  }
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  grid->addWidget(CmdStop[5], 0, 0, 1, 5);
  static constexpr int kRowOrder[5] = {4, 3, 0, 1, 2};
  for (int i = 0; i < 5; ++i) grid->addWidget(CmdStop[static_cast<std::size_t>(kRowOrder[i])], 1, i);
}

}  // namespace rdz
