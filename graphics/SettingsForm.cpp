#include "SettingsForm.h"

#include "Fonts.h"
#include "Language.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace {
// The designed window is 489 x 374 outside; its controls are placed in the
// client area that leaves.
constexpr int ClientWidth = 481, ClientHeight = 340;
}  // namespace

TSettingsForm::TSettingsForm(TSettings& settings, QWidget* parent) : QDialog(parent), Settings(settings) {
  InstallFontSubstitutes();
  setWindowTitle(tr("Options"));
  setFont(NarrowFont(11));
  setFixedSize(ClientWidth, ClientHeight);
  for (int top : {8, 160}) (new QGroupBox(this))->setGeometry(8, top, 465, 129);

  auto box = [this](const QString& text, int x, int y, void (TSettingsForm::*handler)()) {
    auto* check = new QCheckBox(text, this);
    check->move(x, y);
    check->adjustSize();
    connect(check, &QCheckBox::clicked, this, [this, handler] { (this->*handler)(); });
    return check;
  };
  TimerBox = box(tr("Timed Games"), 16, 15, &TSettingsForm::TimerBoxClick);
  RzCheckBox1 = box(tr("Play Sound Effects "), 16, 47, &TSettingsForm::RzCheckBox1Click);
  RzCheckBox2 = box(tr("Show Hints"), 16, 79, &TSettingsForm::RzCheckBox2Click);
  RzCheckBox3 = box(tr("Zoom Small Tiles"), 16, 111, &TSettingsForm::RzCheckBox3Click);
  AnimBox = box(tr("Animation on Completion of Puzzle"), 184, 15, &TSettingsForm::AnimBoxClick);
  SplashBox = box(tr("Show Splash Screen at Startup"), 184, 47, &TSettingsForm::SplashBoxClick);

  auto label = [this](const QString& text, int x, int y) {
    auto* l = new QLabel(text, this);
    l->move(x, y);
    l->adjustSize();
    return l;
  };
  label(tr("Difficulty Setting"), 15, 166);
  RzTrackBar1 = new QSlider(Qt::Horizontal, this);
  RzTrackBar1->setRange(0, 10);
  RzTrackBar1->setTickPosition(QSlider::TicksBelow);
  RzTrackBar1->setTickInterval(1);
  RzTrackBar1->setPageStep(1);
  // Tab reaches it, so the difficulty can be set with the keys alone.
  RzTrackBar1->setFocusPolicy(Qt::StrongFocus);
  RzTrackBar1->setAccessibleName(QCoreApplication::translate("Accessibility", "Difficulty"));
  RzTrackBar1->setGeometry(68, 190, 341, 24);
  connect(RzTrackBar1, &QSlider::valueChanged, this, [this] { RzTrackBar1Change(); });
  label(tr("Easier"), 32, 204);
  label(tr("Harder"), 416, 204);
  CluePenaltyLbl = label(QString(), 32, 232);
  MisClickPenaltyLbl = label(QString(), 32, 260);

  // Where the right column of switches leaves room.
  QLabel* languageLabel = label(tr("&Language:"), 184, 78);
  LanguageBox = new QComboBox(this);
  // The label names the list for a screen reader and gives it its Alt key;
  // Tab comes to it after the switches above, before the difficulty.
  languageLabel->setBuddy(LanguageBox);
  setTabOrder(SplashBox, LanguageBox);
  setTabOrder(LanguageBox, RzTrackBar1);
  LanguageBox->addItem(tr("The desktop's language"), QString());
  for (const TGameLanguage& language : GameLanguages()) LanguageBox->addItem(language.Name, language.Code);
  LanguageBox->setGeometry(268, 74, 197, 27);
  connect(LanguageBox, &QComboBox::activated, this, [this] { LanguageBoxChange(); });
  LanguageNote = new QLabel(tr("Quillmere speaks the new language from its next start."), this);
  LanguageNote->setFont(NarrowFont(10));
  LanguageNote->setWordWrap(true);
  // Two lines in every language, inside the frame around the switches.
  LanguageNote->setGeometry(184, 103, 281, std::max(26, LanguageNote->heightForWidth(281)));
  LanguageNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  LanguageNote->hide();

  auto* close = new QPushButton(tr("Close"), this);
  close->setGeometry(200, 304, 89, 27);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Settings.PenaltiesChanged = [this] { UpdatePenaltyLabels(); };
}

TSettingsForm::~TSettingsForm() {
  Settings.PenaltiesChanged = nullptr;
}

void TSettingsForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TSettingsForm::FormShow() {
  const TPrefs& prefs = Settings.Prefs;
  TimerBox->setChecked(prefs.TimerOn);
  RzCheckBox1->setChecked(prefs.SoundsOn);
  RzCheckBox2->setChecked(prefs.ShowHints);
  RzCheckBox3->setChecked(prefs.Zoom);
  AnimBox->setChecked(prefs.Animation > 0);
  SplashBox->setChecked(prefs.ShowSplash);
  {
    const QSignalBlocker quiet(RzTrackBar1);  // showing the value changes nothing
    RzTrackBar1->setValue(std::clamp<int>(prefs.Difficulty, 0, 10));
  }
  LanguageBox->setCurrentIndex(std::max(0, LanguageBox->findData(prefs.Language)));
  UpdatePenaltyLabels();
  UpdateLanguageNote();
}

void TSettingsForm::TimerBoxClick() {
  Settings.Prefs.TimerOn = TimerBox->isChecked();
}
void TSettingsForm::RzCheckBox1Click() {
  Settings.Prefs.SoundsOn = RzCheckBox1->isChecked();
}
void TSettingsForm::RzCheckBox2Click() {
  Settings.Prefs.ShowHints = RzCheckBox2->isChecked();
}
void TSettingsForm::RzCheckBox3Click() {
  Settings.Prefs.Zoom = RzCheckBox3->isChecked();
}
void TSettingsForm::AnimBoxClick() {
  Settings.Prefs.Animation = AnimBox->isChecked() ? 1 : 0;
}
void TSettingsForm::SplashBoxClick() {
  Settings.Prefs.ShowSplash = SplashBox->isChecked();
}

void TSettingsForm::RzTrackBar1Change() {
  Settings.Prefs.Difficulty = RzTrackBar1->value();
  Settings.UpdatePenalties();  // the labels follow through PenaltiesChanged
}

void TSettingsForm::LanguageBoxChange() {
  Settings.Prefs.Language = LanguageBox->currentData().toString();
  UpdateLanguageNote();
}

void TSettingsForm::UpdateLanguageNote() {
  // The language is loaded at the start only; the note stays while the
  // language the next start picks differs from the one the game speaks now.
  LanguageNote->setVisible(LanguageFor(Settings.Prefs.Language) != SpokenLanguage());
}

void TSettingsForm::UpdatePenaltyLabels() {
  CluePenaltyLbl->setText(Settings.CluePenaltyText());
  CluePenaltyLbl->adjustSize();
  MisClickPenaltyLbl->setText(Settings.MisClickPenaltyText());
  MisClickPenaltyLbl->adjustSize();
}
