#include "Dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {
// Messages separate their lines with a carriage return; a message box breaks
// lines only at line feeds.
QString Lines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}
}  // namespace

void TQtDialogs::ErrorBox(QWidget* owner, const QString& text) {
  QMessageBox::critical(owner, QStringLiteral("Quillmere"), Lines(text), QMessageBox::Ok);
}

bool TQtDialogs::Confirm(QWidget* owner, const QString& text) {
  return QMessageBox::question(owner, QStringLiteral("Quillmere"), Lines(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool TQtDialogs::InputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& Value) {
  bool ok = false;
  const QString text = QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, Value, &ok);
  if (ok) Value = text;
  return ok;
}
