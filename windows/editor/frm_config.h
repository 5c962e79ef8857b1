#pragma once
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "core/ports/message_box.h"

class QPlainTextEdit;

namespace rdz {

inline constexpr const char* kSettingsInUse = "config.txt is saved and its settings are in use.";
inline constexpr const char* kChangedOnDisk =
    "config.txt has changed on disk since the editor showed it, perhaps through a menu or "
    "another editor.\r\n\r\nReload: show the file as it is now; your changes in the editor are lost.\r\n"
    "Keep my text: save the editor's text over the file.";
inline const std::vector<std::string> kChangedOnDiskChoices{"Reload", "Keep my text", "Cancel"};
inline std::string ConfigNotRead(const std::string& reason) {
  return "config.txt could not be read (" + reason + "). The editor will not save over it.";
}
inline std::string ConfigNotSaved(const std::string& reason) {
  return "config.txt could not be saved (" + reason +
         "). Your changes are kept in the editor, which stays open until they are saved.";
}

// The editor of config.txt: one text box over the whole window, filled when
// the window loads and written back when the user closes it. A failed save
// keeps the window open with the text; a file changed on disk meanwhile is
// never written over without asking.
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

 signals:
  // config.txt was written: the program takes its settings into use.
  void Saved();

 protected:
  // Unload: saves, then says the settings are in use; stays open when the
  // save fails or the user wants to see the file as it is on disk now.
  void closeEvent(QCloseEvent* event) override;

 private:
  std::filesystem::path programDir_;
  MessageBox& messages_;
  bool mayWrite_ = true;
  std::string shownBytes_;  // the file as it was when the text box was filled
  std::string shownText_;   // and the text box then
};

}  // namespace rdz
