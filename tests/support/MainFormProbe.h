#pragma once

#include "Images.h"
#include "MainForm.h"

// What the window tests and benchmarks look at beyond the window's controls
// and its session: the animation, the pictures, the sounds, the keyboard
// cursor, the Ctrl+press step count and the hint pane's pieces.
struct TMainFormProbe {
  static TEffects* Effects(TMainForm& form) { return form.Board()->Effects(); }
  static const TImages* TileImages(TMainForm& form) { return form.Board()->Images(); }
  static TGameSounds& Sounds(TMainForm& form) { return form.Sounds(); }
  static int& CtrlPressSteps(TMainForm& form) { return form.CtrlPressSteps; }
  static TAccessibility& Access(TMainForm& form) { return form.Access(); }
  static TKeyCursor& KeyCursor(TMainForm& form) { return form.Keys().Cursor; }
  static QPoint BoardCursorPoint(TMainForm& form) { return form.Keys().BoardCursorPoint(); }
  static const std::vector<THintPiece>& HintPieces(const TMainForm& form) { return form.Hints()->Pieces(); }
};
