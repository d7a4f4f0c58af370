#include "widgets/StringGrid.h"

#include "foundation/Errors.h"
#include "foundation/NumberText.h"

#include <QHeaderView>
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

void StringGrid::keyPressEvent(QKeyEvent* event) {
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
