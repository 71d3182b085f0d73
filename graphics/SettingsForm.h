#pragma once

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class TSettings;

// The "Options" dialog: the current player's switches and difficulty. Every
// change takes effect at once; there is no OK or Cancel, only Close.
class TSettingsForm : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TSettingsForm)

 public:
  TSettingsForm(TSettings& settings, QWidget* parent = nullptr);
  ~TSettingsForm() override;

  QCheckBox *TimerBox = nullptr, *RzCheckBox1 = nullptr, *RzCheckBox2 = nullptr, *RzCheckBox3 = nullptr;
  QCheckBox *AnimBox = nullptr, *SplashBox = nullptr;
  QSlider* RzTrackBar1 = nullptr;
  QLabel *CluePenaltyLbl = nullptr, *MisClickPenaltyLbl = nullptr;
  // The desktop's language first, then the game's languages by their own
  // names; the note under it says a change waits for the next start.
  QComboBox* LanguageBox = nullptr;
  QLabel* LanguageNote = nullptr;

  // Sets every box and the track bar from the preferences.
  void FormShow();
  void TimerBoxClick();
  void RzCheckBox1Click();  // sounds
  void RzCheckBox2Click();  // hints
  void RzCheckBox3Click();  // zoom
  void AnimBoxClick();
  void SplashBoxClick();
  void RzTrackBar1Change();
  void LanguageBoxChange();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void UpdatePenaltyLabels();
  void UpdateLanguageNote();
  TSettings& Settings;
};
