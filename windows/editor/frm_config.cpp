#include "windows/editor/frm_config.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/settings/config_text.h"
#include "platform/qt/fixed_pitch_font.h"
#include "platform/qt/qt_text.h"
#include "core/base/program_files.h"
#include "platform/qt/twips.h"

namespace rdz {
namespace {

// The blanks push the hint to the right end of the title bar.
QString Caption() {
  return QStringLiteral("RodeDizevad Personal Config") + QString(101, QLatin1Char(' ')) +
         QStringLiteral("[AutoSave on Exi] ->");
}

QFont EditorFont() { return qt::FixedPitchFont(9.75); }

// The box's text as typed: toPlainText would turn 0xA0 bytes into blanks.
QString EditedText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

}  // namespace

FrmConfig::FrmConfig(std::filesystem::path programDir, MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), programDir_(std::move(programDir)), messages_(messages) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Caption());
  TxtConfig = new QPlainTextEdit(this);
  TxtConfig->setFont(EditorFont());
  TxtConfig->setLineWrapMode(QPlainTextEdit::NoWrap);
  TxtConfig->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TxtConfig->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Escape closes (and so saves) the editor, as its close button does.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
  // The box covers the client area exactly, also when the window is resized.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(TxtConfig);
}

void FrmConfig::Load() {
  resize(qt::Twips(this, 8520), qt::Twips(this, 5565));
  config();
}

void FrmConfig::config() {
  const EditorText read = ReadConfigForEditor(programDir_);
  mayWrite_ = read.readable;
  shownBytes_ = read.bytes;
  if (!read.readable) {
    TxtConfig->clear();
    TxtConfig->setReadOnly(true);
    messages_.Show(ConfigNotRead(read.reason), kProgramName, MessageIcon::Exclamation);
    return;
  }
  QString text = qt::ToQString(read.text);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  TxtConfig->setPlainText(text);
  shownText_ = qt::FromQString(EditedText(TxtConfig));
}

void FrmConfig::closeEvent(QCloseEvent* event) {
  if (!mayWrite_) {
    event->accept();
    return;
  }
  const std::string edited = qt::FromQString(EditedText(TxtConfig));
  const EditorText onDisk = ReadConfigForEditor(programDir_);
  if (!onDisk.readable || onDisk.bytes != shownBytes_) {
    // Nothing typed: the file on disk stays as it is now.
    if (edited == shownText_) {
      event->accept();
      return;
    }
    const int choice = messages_.Ask(kChangedOnDisk, kProgramName, kChangedOnDiskChoices);
    if (choice != 1) {
      event->ignore();
      if (choice == 0) config();
      return;
    }
  }
  const WriteOutcome saved = SaveConfigFromEditor(programDir_ / kConfigFileName, edited);
  if (!saved.ok) {
    event->ignore();
    messages_.Show(ConfigNotSaved(saved.reason), kProgramName, MessageIcon::Exclamation);
    return;
  }
  event->accept();
  emit Saved();
  messages_.Show(kSettingsInUse, kProgramName);
}

}  // namespace rdz
