#include "widgets/StringGrid.h"

#include "foundation/Errors.h"
#include "foundation/NumberText.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <algorithm>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "foundation/FloatFaults.h"

namespace {
// Gives every cell editor an event filter, so Enter while editing reaches the grid.
class EnterDelegate : public QStyledItemDelegate {
 public:
  EnterDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) editor->installEventFilter(grid_);
    return editor;
  }

 private:
  StringGrid* grid_;
};
}  // namespace

StringGrid::StringGrid(int columns, int rows, QWidget* parent) : QTableWidget(rows, columns, parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(18);
  horizontalHeader()->setDefaultSectionSize(85);
  setItemDelegate(new EnterDelegate(this));
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
}

QString StringGrid::Cell(int column, int row) const {
  const QTableWidgetItem* it = item(row, column);
  return it ? it->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString& text) {
  FloatFaults::Check();
  if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount()) return;
  FloatFaults::Keep keep;
  QTableWidgetItem* it = item(row, column);
  if (!it) {
    if (text.isEmpty()) return;
    it = new QTableWidgetItem(text);
    if (fixedHeader_ && row == 0) {
      it->setFlags(it->flags() & ~Qt::ItemIsEditable);
      it->setBackground(palette().button());
    }
    setItem(row, column, it);
    return;
  }
  it->setText(text);
}

void StringGrid::SetRowCount(int n) {
  FloatFaults::Keep keep;
  setRowCount(n < 1 ? 1 : n);
}

void StringGrid::ClearCells() {
  FloatFaults::Keep keep;
  clearContents();
  MarkHeaderRow();
}

QStringList StringGrid::RowTexts(int row) const {
  QStringList texts;
  for (int c = 0; c < columnCount(); ++c) texts << Cell(c, row);
  return texts;
}

void StringGrid::SetRowTexts(int row, const QStringList& texts) {
  for (int c = 0; c < columnCount() && c < texts.size(); ++c) SetCell(c, row, texts[c]);
}

void StringGrid::SetFixedHeaderRow(bool fixed) {
  fixedHeader_ = fixed;
  MarkHeaderRow();
}

void StringGrid::SetColCount(int n) {
  FloatFaults::Keep keep;
  setColumnCount(n);
  MarkHeaderRow();
}

// Every cell of a fixed header row carries an item that cannot be edited,
// also while it is empty, so typing never reaches the header.
void StringGrid::MarkHeaderRow() {
  if (!fixedHeader_ || rowCount() == 0) return;
  for (int c = 0; c < columnCount(); ++c) {
    QTableWidgetItem* it = item(0, c);
    if (!it) {
      it = new QTableWidgetItem;
      setItem(0, c, it);
    }
    it->setFlags(it->flags() & ~Qt::ItemIsEditable);
    it->setBackground(palette().button());
  }
}

QString StringGrid::SelectedText() const {
  const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
  if (ranges.isEmpty()) return currentItem() ? currentItem()->text() : QString();
  // The bounding block of the selection, row by row.
  int top = rowCount(), left = columnCount(), bottom = -1, right = -1;
  for (const QTableWidgetSelectionRange& r : ranges) {
    top = std::min(top, r.topRow());
    left = std::min(left, r.leftColumn());
    bottom = std::max(bottom, r.bottomRow());
    right = std::max(right, r.rightColumn());
  }
  QStringList lines;
  for (int row = top; row <= bottom; ++row) {
    QStringList cells;
    for (int column = left; column <= right; ++column) {
      const QTableWidgetItem* it = item(row, column);
      cells << (it && it->isSelected() ? it->text() : QString());
    }
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void StringGrid::Paste(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  const int top = std::max(0, currentRow()), left = std::max(0, currentColumn());
  for (int i = 0; i < lines.size() && top + i < rowCount(); ++i) {
    QString line = lines[i];
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const QStringList cells = line.split(QLatin1Char('\t'));
    for (int j = 0; j < cells.size() && left + j < columnCount(); ++j) {
      if (fixedHeader_ && top + i == 0) continue;
      SetCell(left + j, top + i, cells[j]);
    }
  }
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(SelectedText());
    return;
  }
  if (event->matches(QKeySequence::Paste) && pasteAllowed_) {
    Paste(QApplication::clipboard()->text());
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onEnter) {
    onEnter();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && onEnter) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      // Commit what is being typed, then act on the grid as it now stands.
      if (auto* editor = qobject_cast<QWidget*>(watched)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
      }
      onEnter();
      return true;
    }
  }
  return QTableWidget::eventFilter(watched, event);
}

long double StringGrid::CellNumber(int column, int row) {
  try {
    return ToNumber(Cell(column, row));
  } catch (const ConversionError&) {
    emit wrongCell(column, row);
    throw;
  }
}

int StringGrid::CellInteger(int column, int row) {
  try {
    return ToInteger(Cell(column, row));
  } catch (const ConversionError&) {
    emit wrongCell(column, row);
    throw;
  }
}

void StringGrid::SetHeaderRow(int row) {
  if (headerRow_ >= 0 && headerRow_ < rowCount()) setRowHidden(headerRow_, false);
  headerRow_ = row >= 0 && row < rowCount() ? row : -1;
  if (headerRow_ < 0) {
    horizontalHeader()->hide();
    setHorizontalHeaderLabels(QStringList());
    return;
  }
  QStringList labels;
  for (int c = 0; c < columnCount(); ++c) labels << Cell(c, headerRow_);
  setHorizontalHeaderLabels(labels);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->show();
  setRowHidden(headerRow_, true);
}

void StringGrid::FitColumns(int minimum, int maximum) {
  FloatFaults::Keep keep;
  resizeColumnsToContents();
  for (int c = 0; c < columnCount(); ++c)
    setColumnWidth(c, std::clamp(columnWidth(c) + 6, minimum, maximum));
}
