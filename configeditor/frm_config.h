#pragma once
#include <QWidget>
#include <filesystem>
#include <string>

#include "platform/message_box.h"

class QPlainTextEdit;

namespace rdz {

inline constexpr const char* kRestartReminder = "For run new config please restart RODEDIZEVAD!";
inline std::string ConfigNotRead(const std::string& reason) {
  return "config.txt could not be read (" + reason + "). The editor will not save over it.";
}
inline std::string ConfigNotSaved(const std::string& reason) {
  return "config.txt could not be saved (" + reason +
         "). Your changes are kept in the editor, which stays open until they are saved.";
}

// The editor of config.txt: one text box over the whole window, filled when
// the window loads and written back when the user closes it. A failed save
// keeps the window open with the text.
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
  // Unload: saves, then reminds the user to restart; stays open when the save fails.
  void closeEvent(QCloseEvent* event) override;

 private:
  std::filesystem::path file_;
  MessageBox& messages_;
  bool mayWrite_ = true;
};

}  // namespace rdz
