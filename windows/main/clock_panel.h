#pragma once
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;

namespace rdz {

// The two clocks (UTC above, the PC's local time below) and the UTC
// difference the user sets, with the marks for simulated time and for a
// difference that is not a number.
class ClockPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit ClockPanel(QWidget* parent = nullptr);

  QString UtcDifferenceText() const;
  // The program writes the difference (the user's decimal point kept).
  void ShowUtcDifference(const std::string& hours);
  void ShowPcTime(const std::string& date, const std::string& time);
  void ShowUtc(const std::string& date, const std::string& time);
  // The difference is not a number: the UTC clock says so.
  void ShowUtcInvalid();
  void ShowSimulated(bool simulated);
  bool UtcValid() const { return utcValid_; }

 signals:
  // The user typed or picked a difference (the program's own writes do not count).
  void utcDifferenceTyped();

 private:
  void ShowMarks();

  QLabel* Label1 = nullptr;
  QLabel* lblData = nullptr;
  QLabel* lblOrario = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* LblPCData = nullptr;
  QLabel* LblPCTime = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* TxtUtc = nullptr;
  bool utcValid_ = true;
  bool simulated_ = false;
  bool marksShown_ = false;
};

}  // namespace rdz
