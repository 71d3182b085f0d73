#include "Dialogs.h"

#include "ScoreForm.h"
#include "ScoreTable.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <algorithm>

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

QString TQtDialogs::ChooseOpenFile(QWidget* owner, const QString& folder, const QString& filter,
                                   const QString& defaultSuffix) {
  QFileDialog dialog(owner, QString(), folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

bool TQtDialogs::ChoosePlayer(QWidget* owner, const QString& caption, const QStringList& names,
                              QString& Chosen) {
  bool ok = false;
  const int current = std::max(0, int(names.indexOf(Chosen)));
  const QString name = QInputDialog::getItem(owner, caption, QString(), names, current, false, &ok);
  if (ok) Chosen = name;
  return ok && !name.isEmpty();
}

void TQtDialogs::ShowHighScores(QWidget* owner, TScoreTable& table, const QString& viewingPlayer) {
  table.SetViewingPlayer(viewingPlayer);
  TScoreForm form(table, owner);
  form.exec();
}
