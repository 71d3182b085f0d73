#include "QtDialogs.h"

#include "AboutForm.h"
#include "HelpForm.h"
#include "PlayerForm.h"
#include "ScoreForm.h"
#include "ScoreTable.h"
#include "SettingsForm.h"
#include "Settings.h"
#include "SplashForm.h"
#include "StatisticsForm.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
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

void TQtDialogs::InfoBox(QWidget* owner, const QString& text) {
  QMessageBox::information(owner, QStringLiteral("Quillmere"), Lines(text), QMessageBox::Ok);
}

bool TQtDialogs::Confirm(QWidget* owner, const QString& text, TButtons buttons) {
  const auto yes = buttons == TButtons::YesNo ? QMessageBox::Yes : QMessageBox::Ok;
  const auto no = buttons == TButtons::YesNo ? QMessageBox::No : QMessageBox::Cancel;
  return QMessageBox::question(owner, QStringLiteral("Quillmere"), Lines(text), yes | no) == yes;
}

TDialogs::TAnswer TQtDialogs::YesNoCancel(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Quillmere"), Lines(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return TAnswer::Yes;
    case QMessageBox::No:
      return TAnswer::No;
    default:
      return TAnswer::Cancel;
  }
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

bool TQtDialogs::NewPlayerName(QWidget* owner, const std::function<QString(const QString&)>& Check,
                               QString& Name) {
  TPlayerForm form(owner);
  form.ShowNameBox(true);
  form.NameBox->setText(LastName);
  form.CheckName = Check;
  const bool ok = form.exec() == QDialog::Accepted;
  LastName = form.NameBox->text();
  if (ok) Name = LastName;
  return ok;
}

bool TQtDialogs::ChoosePlayer(QWidget* owner, const QStringList& names, QString& Chosen) {
  TPlayerForm form(owner);
  form.ShowNameBox(false);
  form.PlayerList->addItems(names);
  form.PlayerList->setCurrentIndex(names.isEmpty() ? -1 : 0);
  if (form.exec() != QDialog::Accepted || form.PlayerList->currentIndex() < 0) return false;
  Chosen = form.PlayerList->currentText();
  return true;
}

void TQtDialogs::ShowOptions(QWidget* owner, TSettings& settings) {
  TSettingsForm form(settings, owner);
  form.exec();
}

void TQtDialogs::ShowSplash() {
  TSplashForm form(DataFolder);
  form.LinkFailed = [this, &form](const QString& text) { ErrorBox(&form, text); };
  form.exec();
}

void TQtDialogs::ShowHelp(QWidget* owner) {
  THelpForm form(DataFolder, owner);
  form.LinkFailed = [this, &form](const QString& text) { ErrorBox(&form, text); };
  form.exec();
}

void TQtDialogs::ShowAbout(QWidget* owner) {
  TAboutForm form(DataFolder, owner);
  form.LinkFailed = [this, &form](const QString& text) { ErrorBox(&form, text); };
  form.exec();
}

void TQtDialogs::ShowGuide(QWidget* owner) {
  OpenLinkOrSay(OpenInBrowser, GuideUrl(DataFolder),
                [this, owner](const QString& text) { ErrorBox(owner, text); });
}

void ShowSplashAtStart(TDialogs& dialogs) {
  if (TSettings::ReadShowSplash()) dialogs.ShowSplash();
}

void TQtDialogs::ShowHighScores(QWidget* owner, TScoreTable& table, const QString& viewingPlayer) {
  table.SetViewingPlayer(viewingPlayer);
  TScoreForm form(table, owner);
  form.ConfirmBox = [this, &form](const QString& text) { return Confirm(&form, text, TButtons::OkCancel); };
  form.ErrorBox = [this, &form](const QString& text) { ErrorBox(&form, text); };
  form.exec();
}

QString TQtDialogs::ChooseSaveFile(QWidget* owner, const QString& proposed, const QString& filter,
                                   const QString& defaultSuffix) {
  QFileDialog dialog(owner, QString(), proposed, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

void TQtDialogs::ShowStatistics(QWidget* owner, const TScoreTable& table, const QString& player) {
  TStatisticsForm form(ComputeStatistics(table.Scores(), player), owner);
  form.exec();
}
