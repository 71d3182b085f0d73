// The game in the player's language. This program runs under a German
// desktop: a player who chose nothing plays in German, one who chose French
// in French.
#include "GameTestSupport.h"
#include "Language.h"
#include "ScoreForm.h"
#include "ScoreTable.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTableView>
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
    Form->Exit1->trigger();
    return Dialogs.Questions.value(0);
  }
  // The hint pane's words (its pictures left out) for the first horizontal clue.
  QString FirstClueHint() {
    if (!Form->ShowHints1->isChecked()) Form->ShowHints1->trigger();
    const THorizontalLayout L = Form->HorizontalLayout();
    Form->HorizontalPaintBoxMouseMove(HorizontalClueLeft(0, L.s) + L.s / 2,
                                      HorizontalClueTop(0, L.s) + L.s / 2);
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
  EXPECT_EQ(FirstClueHint(), "se trouve juste entre et (les deux tuiles extérieures peuvent être inversées)");
  EXPECT_EQ(ScoreHeadings(),
            QStringList({"Nom", "Taille", "Score", "Numéro", "Temps", "Erreurs", "Indices", "Difficulté"}));
  EXPECT_EQ(LeavingQuestion(), "Voulez-vous sauvegarder cette partie\u00a0?");
  // Her list of languages names each in itself.
  QStringList names;
  for (const TGameLanguage& language : GameLanguages()) names << language.Name;
  EXPECT_EQ(names, QStringList({"English", "Deutsch", "Español", "Français"}));
}

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
