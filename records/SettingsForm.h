#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QSlider;
class TSettings;

// The "Options" dialog: the current player's switches and difficulty. Every
// change takes effect at once; there is no OK or Cancel, only Close.
class TSettingsForm : public QDialog {
 public:
  TSettingsForm(TSettings& settings, QWidget* parent = nullptr);
  ~TSettingsForm() override;

  QCheckBox *TimerBox = nullptr, *RzCheckBox1 = nullptr, *RzCheckBox2 = nullptr, *RzCheckBox3 = nullptr;
  QCheckBox *AnimBox = nullptr, *SplashBox = nullptr;
  QSlider* RzTrackBar1 = nullptr;
  QLabel *CluePenaltyLbl = nullptr, *MisClickPenaltyLbl = nullptr;

  // Sets every box and the track bar from the preferences.
  void FormShow();
  void TimerBoxClick();
  void RzCheckBox1Click();  // sounds
  void RzCheckBox2Click();  // hints
  void RzCheckBox3Click();  // zoom
  void AnimBoxClick();
  void SplashBoxClick();
  void RzTrackBar1Change();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void UpdatePenaltyLabels();
  TSettings& Settings;
};
