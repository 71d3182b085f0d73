// The score file holds every player's results and may be edited or damaged:
// each line is read or kept as it was, and whatever was read can be sorted
// and shown.
#include "FuzzCheck.h"
#include "ScoreTable.h"

#include <QLocale>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TScoreTable table;
  const TScoreReadReport report =
      table.Read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  FUZZ_CHECK(report.Ok() == (report.UnreadableLines == 0));
  const std::size_t count = table.Scores().size();
  const QLocale c = QLocale::c();
  for (int column = 0; column < TScoreTable::ColumnCount; ++column) {
    FUZZ_CHECK(table.Sort(column).Ok());  // the table writes nowhere
    for (int row = 0; row < static_cast<int>(count); ++row) (void)table.CellText(row, column, c);
  }
  FUZZ_CHECK(table.Scores().size() == count);
  FUZZ_CHECK(table.CellText(static_cast<int>(count), 0, c).isEmpty());
  return 0;
}
