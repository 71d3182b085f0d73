#include "Dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

void TQtDialogs::ErrorBox(QWidget* owner, const QString& text) {
  QMessageBox::critical(owner, QStringLiteral("Quillmere"), text, QMessageBox::Ok);
}

bool TQtDialogs::Confirm(QWidget* owner, const QString& text) {
  return QMessageBox::question(owner, QStringLiteral("Quillmere"), text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

bool TQtDialogs::InputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& Value) {
  bool ok = false;
  const QString text = QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, Value, &ok);
  if (ok) Value = text;
  return ok;
}
