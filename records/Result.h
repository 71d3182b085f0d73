#pragma once

#include <QString>

// The outcome of every read and write of the records: an empty Error means
// it worked, else it says why in words the player can read. A result that
// also carries what was read (TFileBytes, TScoreReadReport) builds on it.
struct [[nodiscard]] TResult {
  QString Error;

  bool Ok() const { return Error.isEmpty(); }
  explicit operator bool() const { return Ok(); }
};
