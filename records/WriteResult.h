#pragma once

#include <QString>

// Outcome of writing a records file: an empty Error means it worked. The
// window shows Error in an error message box.
struct [[nodiscard]] TWriteResult {
  QString Error;

  bool Ok() const { return Error.isEmpty(); }
  explicit operator bool() const { return Ok(); }
};
