// The game in the player's language. This program runs under a German
// desktop: a player who chose nothing plays in German, one who chose French
// in French.
#include "AboutForm.h"
#include "GameTestSupport.h"
#include "GameTexts.h"
#include "HelpForm.h"
#include "Language.h"
#include "PlayerForm.h"
#include "ScoreForm.h"
#include "ScoreTable.h"
#include "SettingsForm.h"
#include "SplashForm.h"
#include "StatisticsForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QTemporaryDir>

namespace {

// Before the application reads the desktop's locale.
[[maybe_unused]] const bool GermanDesktop =
    setenv("LANGUAGE", "de", 1) == 0 && setenv("LC_ALL", "de_DE.UTF-8", 1) == 0;

class LanguagesTest : public TWindowTest {
 protected:
  // Starts as the program does: the current player's stored choice, else
  // the desktop's language.
  QString Start(const QString& chosen) {
    if (!chosen.isEmpty()) {
      TSettings records(Folder.ProgramPath());
      records.LoadPlayerList();
      records.LoadProfile();
      records.Prefs.Language = chosen;
      EXPECT_TRUE(records.StorePlayerList().Ok());
    }
    QString spoken = SpeakLanguage(StoredLanguage(Folder.ProgramPath()), {QUILLMERE_RUNTIME_DIR});
    Open(6, 17);
    return spoken;
  }
  void TearDown() override {
    TWindowTest::TearDown();
    (void)SpeakLanguage(QStringLiteral("en"), {QUILLMERE_RUNTIME_DIR});
  }

  QStringList MenuTitles() const {
    QStringList titles;
    for (const QAction* menu : Form->menuBar()->actions()) titles << menu->text();
    return titles;
  }
  // The question the window asks when the game in progress is left.
  QString LeavingQuestion() {
    Form->Controls.Exit1->trigger();
    return Dialogs.Questions.value(0);
  }
  // The hint pane's words (its pictures left out) for the first horizontal clue.
  QString FirstClueHint() {
    if (!Form->Controls.ShowHints1->isChecked()) Form->Controls.ShowHints1->trigger();
    const THorizontalLayout L = Form->HorizontalPanel()->HorizontalLayout();
    Form->HorizontalPanel()->Hover(HorizontalClueLeft(0, L.s) + L.s / 2, HorizontalClueTop(0, L.s) + L.s / 2);
    QString words;
    for (const THintPiece& piece : TMainFormProbe::HintPieces(*Form))
      if (!piece.IsPicture) words += piece.Text;
    return words.simplified();
  }
  QStringList ScoreHeadings() {
    TScoreTable table;
    TScoreForm form(table);
    QStringList headings;
    for (int c = 0; c < form.StringGrid1->model()->columnCount(); ++c)
      headings << form.StringGrid1->model()->headerData(c, Qt::Horizontal).toString();
    return headings;
  }
};

TEST_F(LanguagesTest, APlayerWhoChoseNothingPlaysInTheDesktopsLanguage) {
  EXPECT_EQ(Start({}), "de");
  EXPECT_EQ(MenuTitles(),
            QStringList({"&Datei", "&Rätsel", "&Spieler", "&Ansicht", "&Einstellungen", "&Hilfe"}));
  // The clue's pictures stand where the German sentence puts them.
  EXPECT_EQ(FirstClueHint(),
            "steht direkt zwischen und (die beiden äußeren Plättchen können vertauscht sein)");
  EXPECT_EQ(ScoreHeadings(),
            QStringList({"Name", "Größe", "Punkte", "Nummer", "Zeit", "Fehlklicks", "Hinweise", "Stufe"}));
  EXPECT_EQ(LeavingQuestion(), "Möchten Sie dieses Spiel speichern?");
}

TEST_F(LanguagesTest, APlayersChoiceGoesBeforeTheDesktopsLanguage) {
  EXPECT_EQ(Start("fr"), "fr");
  EXPECT_EQ(MenuTitles(),
            QStringList({"&Fichier", "É&nigme", "&Joueurs", "&Affichage", "&Paramètres", "Aid&e"}));
  EXPECT_EQ(
      FirstClueHint(),
      "La tuile se trouve juste entre les tuiles et (les deux tuiles extérieures peuvent être inversées)");
  EXPECT_EQ(ScoreHeadings(),
            QStringList({"Nom", "Taille", "Score", "Numéro", "Temps", "Erreurs", "Indices", "Difficulté"}));
  EXPECT_EQ(LeavingQuestion(), "Voulez-vous sauvegarder cette partie\u00a0?");
  // Her list of languages names each in itself.
  QStringList names;
  for (const TGameLanguage& language : GameLanguages()) names << language.Name;
  EXPECT_EQ(names, QStringList({"English", "Deutsch", "Español", "Français"}));
}

TEST_F(LanguagesTest, PenaltiesSayOneSecondAndMoreInEachLanguage) {
  TSettings settings(Folder.ProgramPath());
  const std::pair<const char*, QStringList> expected[] = {
      {"en", {"Time Penalty for Mis-Clicks: +1 Second", "Time Penalty for Mis-Clicks: +5 Seconds"}},
      {"de", {"Strafzeit für Fehlklicks: +1 Sekunde", "Strafzeit für Fehlklicks: +5 Sekunden"}},
      {"fr", {"Pénalité par clic erroné\u00a0: +1 seconde", "Pénalité par clic erroné\u00a0: +5 secondes"}},
      {"es", {"Penalización por clic erróneo: +1 segundo", "Penalización por clic erróneo: +5 segundos"}},
  };
  for (const auto& [language, texts] : expected) {
    ASSERT_EQ(SpeakLanguage(QString::fromLatin1(language), {QUILLMERE_RUNTIME_DIR}), language);
    QStringList said;
    for (int difficulty : {1, 5}) {
      settings.Prefs.Difficulty = difficulty;
      settings.UpdatePenalties();
      said << settings.MisClickPenaltyText();
    }
    EXPECT_EQ(said, texts);
  }
}

// Every text a window shows, where it is cut or overlaps another: one line
// each, naming the window, the widget and its text.
QStringList CutTexts(QWidget& window) {
  QStringList faults;
  struct TText {
    const QWidget* Widget;
    QRect Box;  // in the window
    QString Text;
  };
  std::vector<TText> texts;
  const QString title = window.windowTitle();
  auto fault = [&](const QWidget* w, const QString& text, const QString& what) {
    faults << QStringLiteral("%1: %2 \"%3\" %4").arg(title, w->metaObject()->className(), text, what);
  };
  auto fits = [&](const QWidget* w, const QString& text, QSize need, QSize room) {
    if (need.width() > room.width() || need.height() > room.height())
      fault(w, text,
            QStringLiteral("needs %1 x %2, has %3 x %4")
                .arg(need.width())
                .arg(need.height())
                .arg(room.width())
                .arg(room.height()));
  };
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      text = label->text();
      if (text.isEmpty()) continue;
      // A wrapping label needs its lines' height at its width; any other
      // label its one size.
      if (label->wordWrap())
        fits(w, text, {label->width(), label->heightForWidth(label->width())}, label->size());
      else
        fits(w, text, label->sizeHint(), label->size());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      text = button->text();
      const auto* tool = qobject_cast<QToolButton*>(w);
      if (text.isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)) continue;
      if (qobject_cast<QPushButton*>(w)) {
        // The text and its icon with a little room either side; the style's
        // own wish (at least 80 pixels) is no need.
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const QSize words = button->fontMetrics().size(Qt::TextShowMnemonic, text);
        fits(w, text, {words.width() + icon + 8, words.height()}, button->size());
      } else {
        fits(w, text, button->sizeHint(), button->size());
      }
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      // Its widest entry (the list sizes itself to that at the first show).
      int widest = 0;
      for (int i = 0; i < combo->count(); ++i)
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
      text = combo->currentText();
      QStyleOptionComboBox option;
      option.initFrom(combo);
      const int arrow = combo->style()
                            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo)
                            .width();
      fits(w, text, {widest + arrow + 8, 0}, combo->size());
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
      text = box->title();
      if (text.isEmpty()) continue;
      fits(w, text, {box->fontMetrics().horizontalAdvance(text) + 16, 0}, box->size());
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
      const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
      for (int i = 0; i < header->count(); ++i) {
        const QString heading = header->model()->headerData(i, header->orientation()).toString();
        if (header->isSectionHidden(i) || heading.isEmpty()) continue;
        fits(w, heading, {header->fontMetrics().horizontalAdvance(heading) + margin, 0},
             {header->sectionSize(i), 0});
      }
      continue;
    } else if (auto* view = qobject_cast<QAbstractScrollArea*>(w)) {
      // A table wider than its window hides columns behind a scroll bar.
      if (view->horizontalScrollBar()->maximum() > 0) fault(w, QString(), "scrolls sideways");
      continue;
    } else if (auto* plot = dynamic_cast<TResultsPlot*>(w)) {
      // The plot's own words: inside it and clear of each other.
      const auto captions = plot->Captions(plot->fontMetrics(), plot->rect());
      for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto& caption = captions[i];
        const QRect needed = plot->fontMetrics().boundingRect(caption.Box, caption.Flags, caption.Text);
        if (!plot->rect().contains(needed) || !caption.Box.contains(needed))
          fault(w, caption.Text, "runs out of its place");
        for (std::size_t j = 0; j < i; ++j)
          if (caption.Box.intersects(captions[j].Box))
            fault(w, caption.Text, "overlaps \"" + captions[j].Text + '"');
      }
      continue;
    } else {
      continue;
    }
    // Inside every widget it lies in, up to the window.
    QRect box = w->rect();
    for (const QWidget* inner = w; inner != &window; inner = inner->parentWidget()) {
      box.translate(inner->pos());
      if (!inner->parentWidget()->rect().contains(box))
        fault(
            w, text,
            QStringLiteral("runs over the edge of %1").arg(inner->parentWidget()->metaObject()->className()));
    }
    texts.push_back({w, box, text});
  }
  for (std::size_t i = 0; i < texts.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (texts[i].Box.intersects(texts[j].Box) && !texts[i].Widget->isAncestorOf(texts[j].Widget) &&
          !texts[j].Widget->isAncestorOf(texts[i].Widget))
        fault(texts[i].Widget, texts[i].Text, "overlaps \"" + texts[j].Text + '"');
  return faults;
}

// Every window in one language, each at its smallest size.
class WindowTextsTest : public TWindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void TearDown() override {
    TWindowTest::TearDown();
    (void)SpeakLanguage(QStringLiteral("en"), {QUILLMERE_RUNTIME_DIR});
  }
  // Shows window at its smallest and collects what is cut in it; with
  // QUILLMERE_SHOTS set, keeps a picture of it there too.
  void Check(QWidget& window, const QString& what) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.resize(window.minimumSize().expandedTo(window.minimumSizeHint()));
    QApplication::processEvents();
    Faults << CutTexts(window);
    if (const QByteArray shots = qgetenv("QUILLMERE_SHOTS"); !shots.isEmpty())
      window.grab().save(QStringLiteral("%1/%2-%3.png").arg(QString::fromLocal8Bit(shots), GetParam(), what));
  }
  QStringList Faults;
};

TEST_P(WindowTextsTest, NoTextIsCutOrOverlapsAtTheSmallestSize) {
  ASSERT_EQ(SpeakLanguage(QString::fromLatin1(GetParam()), {QUILLMERE_RUNTIME_DIR}), GetParam());
  const QString data = QStringLiteral(QUILLMERE_RUNTIME_DIR);

  // The main window with the longest progress, after a mis-click in the
  // board's bottom right square.
  Open(MaxBoardSize, MaxPuzzleNumber);
  Form->resize(Form->minimumSize());
  QApplication::processEvents();
  const int last = MaxBoardSize - 1;
  int lowest = 0;  // the wrong candidate nearest the board's bottom edge
  for (int t = 1; t <= MaxBoardSize; ++t)
    if (t != Sq(last, last).localindex()) lowest = t;
  Press(Qt::LeftButton, last, last, lowest);
  ASSERT_TRUE(Form->Board()->Message()->isVisible());
  Form->InfoBar()->Progress()->SetFittedText(ProgressText(MaxBoardSize * MaxBoardSize, MaxBoardSize));
  Check(*Form, "main");

  // The options with the language note and the longest penalties.
  TSettings& settings = Form->Session().Settings();
  settings.Prefs.Language = QString::fromLatin1(GetParam()) == "fr" ? "de" : "fr";
  settings.Prefs.Difficulty = 10;
  settings.UpdatePenalties();
  {
    TSettingsForm options(settings);
    Check(options, "options");
    ASSERT_TRUE(options.LanguageNote->isVisible());
  }

  // The new player's name with each reason it can be refused.
  TPlayerForm player;
  player.ShowNameBox(true);
  player.CheckName = [](const QString& name) {
    QString why;
    (void)IsValidPlayerName(name, &why);
    return why;
  };
  for (const QString& name : {QString(), QStringLiteral(" Ann"), QStringLiteral("A/B"),
                              QStringLiteral(".Ann"), QStringLiteral("Ann\u202E"), QStringLiteral("\u200B"),
                              QStringLiteral("A\tB"), QString(234, QChar(u'\u00e9'))}) {
    player.NameBox->setText(name);
    player.RzBitBtn1Click();
    ASSERT_TRUE(player.ProblemLbl->isVisibleTo(&player)) << name.toStdString();
    Check(player, "player");
  }

  // The score table's headings and a player's statistics with results to plot.
  std::vector<TScore> scores(12);
  for (int i = 0; i < 12; ++i)
    scores[i] = {
        1000 + i, BoardSizes[i % BoardSizes.size()].N, QStringLiteral("Bartholomew"), 600 + i, i, i % 3, 10,
        98765 - i};
  TScoreTable table;
  {
    TScoreForm scoreForm(table);
    Check(scoreForm, "scores");
  }
  {
    TStatisticsForm statistics(ComputeStatistics(scores, QStringLiteral("Bartholomew")));
    Check(statistics, "statistics");
  }
  {
    TAboutForm about(data);
    Check(about, "about");
  }
  {
    THelpForm help(data);
    Check(help, "help");
  }
  {
    TSplashForm splash(data);
    Check(splash, "splash");
  }
  EXPECT_EQ(Faults.join('\n'), QString());
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowTextsTest, ::testing::Values("en", "de", "fr", "es"));

// Only a translation the build made is loaded: a damaged file, or one the
// build recorded no digest for, is skipped and its language not offered.
TEST(Translations, ADamagedTranslationIsSkippedNotLoaded) {
  TestApp();
  QTemporaryDir program;
  ASSERT_TRUE(QDir(program.path()).mkdir("translations"));
  const QDir built(QStringLiteral(QUILLMERE_RUNTIME_DIR "/translations"));
  for (const QString& name : built.entryList(QDir::Files))
    ASSERT_TRUE(QFile::copy(built.filePath(name), program.filePath("translations/" + name)))
        << name.toStdString();
  ASSERT_TRUE(QFile::exists(program.filePath("translations/quillmere.sha256")));
  // One bit flipped in the German file; the French one copied under a name
  // the build never made.
  QFile german(program.filePath("translations/quillmere_de.qm"));
  ASSERT_TRUE(german.open(QIODevice::ReadWrite));
  QByteArray bytes = german.readAll();
  bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x10);
  ASSERT_TRUE(german.seek(0) && german.write(bytes) == bytes.size());
  german.close();
  ASSERT_TRUE(QFile::copy(program.filePath("translations/quillmere_fr.qm"),
                          program.filePath("translations/quillmere_it.qm")));

  EXPECT_EQ(SpeakLanguage(QStringLiteral("de"), {program.path()}), "en") << "the desktop's German is damaged";
  EXPECT_EQ(QCoreApplication::translate("Session", "Do you want to save this game?"),
            "Do you want to save this game?");
  QStringList names;
  for (const TGameLanguage& language : GameLanguages()) names << language.Code;
  EXPECT_EQ(names, QStringList({"en", "es", "fr"}));
  EXPECT_EQ(SpeakLanguage(QStringLiteral("fr"), {program.path()}), "fr");
  (void)SpeakLanguage(QStringLiteral("en"), {QUILLMERE_RUNTIME_DIR});
}

}  // namespace
