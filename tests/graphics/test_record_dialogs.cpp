// The options dialog and the player dialog, driven like a player would.
#include "Language.h"
#include "PlayerForm.h"
#include "Settings.h"
#include "SettingsForm.h"
#include "StatisticsForm.h"
#include "TestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

namespace {
QPushButton* Button(QWidget& dialog, const QString& text) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}
}  // namespace

TEST(OptionsDialog, BoxesAndTrackBarChangeThePreferencesAtOnce) {
  TestApp();
  TSettings settings(QStringLiteral("/nonexistent/quillmere"));
  settings.Prefs.Difficulty = 5;
  settings.Prefs.TimerOn = true;
  settings.UpdatePenalties();
  // English spoken, French found among the translations.
  const QTemporaryDir assets;
  ASSERT_TRUE(QDir(assets.path()).mkpath(QStringLiteral("translations")));
  QFile(assets.filePath(QStringLiteral("translations/quillmere_fr.qm"))).open(QIODevice::WriteOnly);
  QFile digests(assets.filePath(QStringLiteral("translations/quillmere.sha256")));
  ASSERT_TRUE(digests.open(QIODevice::WriteOnly));
  digests.write("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  quillmere_fr.qm\n");
  digests.close();
  ASSERT_EQ(SpeakLanguage(QStringLiteral("en"), {assets.path()}), QStringLiteral("en"));
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
  EXPECT_NE(form.RzTrackBar1->focusPolicy() & Qt::TabFocus, 0) << "the keys alone set the difficulty";

  for (QCheckBox* box : {form.TimerBox, form.RzCheckBox1, form.RzCheckBox2, form.RzCheckBox3, form.AnimBox})
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  EXPECT_FALSE(settings.Prefs.TimerOn);
  EXPECT_TRUE(settings.Prefs.SoundsOn);
  EXPECT_TRUE(settings.Prefs.ShowHints) << "the hints box switches hints";
  EXPECT_TRUE(settings.Prefs.Zoom);
  EXPECT_EQ(settings.Prefs.Animation, 1);

  // The language: the desktop's first, then the languages found, each by
  // its own name; a choice the game does not speak now brings the note that
  // it waits for the next start.
  ASSERT_EQ(form.LanguageBox->count(), 3);
  EXPECT_EQ(form.LanguageBox->currentIndex(), 0);
  EXPECT_EQ(form.LanguageBox->itemText(0), QStringLiteral("The desktop's language"));
  EXPECT_EQ(form.LanguageBox->itemText(2), QStringLiteral("Fran\u00e7ais"));
  for (const auto& [index, code, note] : {std::tuple{2, "fr", true}, std::tuple{1, "en", false}}) {
    form.LanguageBox->setCurrentIndex(index);
    emit form.LanguageBox->activated(index);
    EXPECT_EQ(settings.Prefs.Language, QLatin1String(code));
    EXPECT_EQ(form.LanguageNote->isVisible(), note) << code;
  }
  QTest::mouseClick(Button(form, QStringLiteral("Close")), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
}

TEST(PlayerDialog, ARefusedNameKeepsTheDialogOpenWithItsText) {
  TestApp();
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

TEST(StatisticsWindow, ShowsEachSizesFiguresAndPlotsTheLastResults) {
  TestApp();
  TScoreTable table;
  (void)table.AddScore("Ann", 1, 6, 100, 1, 0, 5);
  (void)table.AddScore("Ann", 2, 6, 351, 2, 1, 5);
  (void)table.AddScore("Ann", 3, 4, -1, 0, 0, 5);
  TStatisticsForm form(ComputeStatistics(table.Scores(), "Ann"));
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.Heading->text(), QStringLiteral("Statistics of Ann"));
  ASSERT_EQ(form.Grid->rowCount(), 7);  // six sizes and all together
  auto row = [&](int r) {
    QStringList texts;
    for (int c = 0; c < form.Grid->columnCount(); ++c) texts << form.Grid->item(r, c)->text();
    return texts.join('|');
  };
  EXPECT_EQ(row(0), "4 x 4|1|-|-|0.0|0.0") << "an untimed game has no time";
  EXPECT_EQ(row(1), "5 x 5|0|-|-|-|-");
  EXPECT_EQ(row(2), "6 x 6|2|00:01:40|00:03:45|1.5|0.5");
  EXPECT_EQ(row(6), "All sizes|3|-|-|1.0|0.3");
  // One bar per result in its size's colour, oldest on the left.
  ASSERT_EQ(form.Plot->Results.size(), 3u);
  const QImage plot = form.Plot->grab().toImage();
  // Above the legend's line at the bottom.
  auto count = [&](const QColor& colour, int fromX, int toX) {
    int n = 0;
    for (int y = 0; y < plot.height() - 3 * form.fontMetrics().height(); ++y)
      for (int x = fromX; x < toX; ++x) n += plot.pixelColor(x, y) == colour;
    return n;
  };
  const int third = plot.width() * 3 / TPlayerStatistics::RecentCount;
  EXPECT_GT(count(TResultsPlot::SizeColour(6), 0, third * 2 / 3), 100);
  EXPECT_GT(count(TResultsPlot::SizeColour(4), third * 2 / 3, third + 8), 100);
  EXPECT_EQ(count(TResultsPlot::SizeColour(4), 0, third * 2 / 3), 0);
  // The chart in words for a screen reader, which Tab reaches after the
  // table: Tab does not stop in the table's cells.
  QLocale grouped;
  grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
  const auto points = [&](int i) { return grouped.toString(form.Plot->Results[i].Score); };
  EXPECT_TRUE(form.Plot->accessibleDescription().endsWith(
      QStringLiteral(" oldest first: 6 x 6: %1 points; 6 x 6: %2 points; 4 x 4: %3 points")
          .arg(points(0), points(1), points(2))))
      << form.Plot->accessibleDescription().toStdString();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.Grid->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form.Grid, Qt::Key_Tab);
  EXPECT_TRUE(form.Plot->hasFocus());
}
