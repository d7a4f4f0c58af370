// The outer diameters of steel pipes by their nominal size, from the
// reference table siryou/11_鋼管の外径.csv (JIS G 3452 and G 3454; title,
// source and header lines, then "呼び径 A,呼び径 B,外径 mm" a line). A size
// is written as the table's A ("15A", "DN15") or B ("1/2B", "½B",
// "1-1/2B", "1 1/2B", "1.5B"), full-width or half-width.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace Schedule {

class PipeSizes {
 public:
  inline static const QString kFile = QStringLiteral("siryou/11_鋼管の外径.csv");

  // The table of the file. Throws FileError when it cannot be read and
  // AppError naming the line that holds no size and diameter.
  static PipeSizes Read(const QString& path);
  // The table of lines already read (the same checks).
  static PipeSizes FromLines(const QStringList& lines, const QString& fileName);

  struct Lookup {
    std::optional<QString> mm;  // the outer diameter as the table writes it ("114.3")
    QString problem;            // why not, for the line's reason
  };
  Lookup OuterDiameter(const QString& size) const;

  bool Empty() const { return rows_.empty(); }

 private:
  struct Row {
    int a = 0;        // 15 for 15A
    int eighths = 0;  // the B size in eighths of an inch: 4 for 1/2B
    QString mm;
  };
  std::vector<Row> rows_;
};

}  // namespace Schedule
