// GridRowCsv::Read on any line: the first byte gives the number of cells
// (0 to 15), the rest is the line as UTF-8. The row keeps its cell count,
// and a row read back from its own written line is the same row.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "store/GridRowCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int columns = data[0] % 16;
  const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                         static_cast<qsizetype>(size - 1));
  QStringList cells;
  for (int i = 0; i < columns; ++i) cells << QStringLiteral("x");
  GridRowCsv::Read(line, cells);
  if (cells.size() != columns) abort();

  // Once read, no cell of a filled row is empty, so writing and reading
  // again must give the same cells.
  bool anyEmpty = false;
  for (const QString& c : cells) anyEmpty = anyEmpty || c.isEmpty();
  if (!anyEmpty) {
    QStringList again(columns);
    GridRowCsv::Read(GridRowCsv::Write(cells), again);
    if (again != cells) abort();
  }
  return 0;
}
