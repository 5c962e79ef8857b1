#pragma once
#include <QWidget>
#include <filesystem>

#include "platform/message_box.h"

class QPlainTextEdit;

namespace rdz {

inline constexpr const char* kRestartReminder = "For run new config please restart RODEDIZEVAD!";
inline constexpr const char* kConfigNotRead =
    "config.txt could not be read. The editor will not save over it.";
inline constexpr const char* kConfigNotSaved =
    "config.txt could not be saved. Your changes were not written.";

// The editor of config.txt: one text box over the whole window, filled when
// the window loads and written back when the user closes it.
class FrmConfig final : public QWidget {
  Q_OBJECT

 public:
  FrmConfig(std::filesystem::path programDir, MessageBox& messages, QWidget* parent = nullptr);

  // Load: fills the text box from the file.
  void Load();
  // Reads config.txt into TxtConfig; a file that cannot be read is reported
  // and then never saved over.
  void config();

  QPlainTextEdit* TxtConfig = nullptr;

 protected:
  // Unload: saves, then reminds the user to restart.
  void closeEvent(QCloseEvent* event) override;

 private:
  std::filesystem::path file_;
  MessageBox& messages_;
  bool mayWrite_ = true;
};

}  // namespace rdz
