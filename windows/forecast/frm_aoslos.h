#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

class QPlainTextEdit;

namespace rdz {

// The forecast window: one rich-text box, TxtAOSLOS, filling the client area.
// It only shows text; the main window runs the forecast into it.
class FrmAOSLOS final : public QWidget {
 public:
  explicit FrmAOSLOS(QWidget* parent = nullptr);

  // The load: the title line replaces the text, the caption gets the name as
  // stored (untrimmed), and the window is shown so the list is seen growing.
  void Load(const std::string& name);
  // Adds a piece at the end without touching what is there.
  void Append(const std::string& piece);
  // The text as appended, with its CR LF line ends.
  const std::string& Text() const { return text_; }

  // Run when the user closes the window; it is destroyed afterwards.
  void OnClosed(std::function<void()> handler) { onClosed_ = std::move(handler); }

  QPlainTextEdit* TxtAOSLOS = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  static constexpr int kRepaintMs = 40;
  std::string text_;
  QTimer repaintTimer_;
  std::function<void()> onClosed_;
};

}  // namespace rdz
