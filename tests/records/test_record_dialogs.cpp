// The options dialog and the player dialog, driven like a player would.
#include "PlayerForm.h"
#include "Settings.h"
#include "SettingsForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QApplication& App() {
  static int argc = 1;
  static char name[] = "test_record_dialogs";
  static char* argv[] = {name, nullptr};
  // Never destroyed: tearing Qt down after main() has returned crashes.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
QPushButton* Button(QWidget& dialog, const QString& text) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}
}  // namespace

TEST(OptionsDialog, BoxesAndTrackBarChangeThePreferencesAtOnce) {
  App();
  TSettings settings(QStringLiteral("/nonexistent/quillmere"));
  settings.Prefs.Difficulty = 5;
  settings.Prefs.TimerOn = true;
  settings.UpdatePenalties();
  TSettingsForm form(settings);
  form.show();
  EXPECT_EQ(form.RzTrackBar1->value(), 5);
  EXPECT_TRUE(form.TimerBox->isChecked());
  EXPECT_EQ(form.CluePenaltyLbl->text(), QStringLiteral("Time Penalty for Clues: +20 Seconds"));
  EXPECT_EQ(form.MisClickPenaltyLbl->text(), QStringLiteral("Time Penalty for Mis-Clicks: +5 Seconds"));
  form.RzTrackBar1->setValue(0);
  EXPECT_EQ(settings.Prefs.Difficulty, 0);
  EXPECT_EQ(form.CluePenaltyLbl->text(), QStringLiteral("Time Penalty for Clues: +10 Seconds"));
  EXPECT_EQ(form.MisClickPenaltyLbl->text(), QStringLiteral("Time Penalty for Mis-Clicks: +0 Seconds"));
  form.RzTrackBar1->setValue(10);
  EXPECT_EQ(settings.Prefs.CluePenalty, 30);
  EXPECT_EQ(form.MisClickPenaltyLbl->text(), QStringLiteral("Time Penalty for Mis-Clicks: +10 Seconds"));
  EXPECT_EQ(form.RzTrackBar1->focusPolicy() & Qt::TabFocus, 0) << "Tab passes the track bar by";

  for (QCheckBox* box : {form.TimerBox, form.RzCheckBox1, form.RzCheckBox2, form.RzCheckBox3, form.AnimBox})
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  EXPECT_FALSE(settings.Prefs.TimerOn);
  EXPECT_TRUE(settings.Prefs.SoundsOn);
  EXPECT_TRUE(settings.Prefs.ShowHints) << "the hints box switches hints";
  EXPECT_TRUE(settings.Prefs.Zoom);
  EXPECT_EQ(settings.Prefs.Animation, 1);
  QTest::mouseClick(Button(form, QStringLiteral("Close")), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
}

TEST(PlayerDialog, ARefusedNameKeepsTheDialogOpenWithItsText) {
  App();
  TPlayerForm form;
  form.CheckName = [](const QString& name) {
    return name == QStringLiteral("Anna") ? QStringLiteral("taken") : QString();
  };
  form.ShowNameBox(true);
  form.show();
  EXPECT_FALSE(form.PlayerList->isVisible());
  QTest::keyClicks(form.NameBox, QStringLiteral("Anna"));
  QTest::mouseClick(Button(form, QStringLiteral("OK")), Qt::LeftButton);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(form.NameBox->text(), QStringLiteral("Anna"));
  EXPECT_TRUE(form.ProblemLbl->isVisible());
  EXPECT_EQ(form.ProblemLbl->text(), QStringLiteral("taken"));
  QTest::keyClicks(form.NameBox, QStringLiteral("belle"));
  EXPECT_FALSE(form.ProblemLbl->isVisible()) << "typing clears the reason";
  QTest::mouseClick(Button(form, QStringLiteral("OK")), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
}
