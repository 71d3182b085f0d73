#pragma once

#include <QImage>
#include <QString>

class QWidget;
class TImages;

// The high-score table. It records a finished puzzle's result; the table and
// its file are not built yet, so nothing is kept.
class TScoreForm {
 public:
  virtual ~TScoreForm() = default;
  virtual void AddScore(const QString& /*Name*/, int /*Number*/, int /*Size*/, int /*Seconds*/,
                        int /*Errors*/, int /*Clues*/, int /*Difficulty*/) {}
};

// The completion animation over the finished board. BoardBitmap receives the
// finished board's picture; NextFrame draws one frame onto the board and
// tells whether there is more to come. No effects are built yet, so the
// animation ends at once and the finished board stays.
class TEffects {
 public:
  explicit TEffects(const TImages& Images) : TileImages(Images) {}
  virtual ~TEffects() = default;
  QImage BoardBitmap;
  virtual void Start(int /*Animation*/) {}
  virtual bool NextFrame(QWidget* /*Target*/) { return false; }

 protected:
  const TImages& TileImages;
};
