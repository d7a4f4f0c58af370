#include "operations/schedule/ScheduleTableView.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"

void ScheduleRows::Reset(const QStringList& header) {
  beginResetModel();
  header_ = header;
  rows_.clear();
  endResetModel();
}

void ScheduleRows::Append(std::vector<QStringList> rows) {
  if (rows.empty()) return;
  const int first = Rows();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
  for (QStringList& r : rows) rows_.push_back(std::move(r));
  endInsertRows();
}

int ScheduleRows::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Rows(); }

int ScheduleRows::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant ScheduleRows::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Rows()) return QVariant();
  const QString text = rows_[index.row()].value(index.column());
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return text;
  if (role == Qt::TextAlignmentRole) {
    long double x = 0;
    return QVariant::fromValue(Qt::Alignment((TryToNumber(text, x) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
  }
  return QVariant();
}

QVariant ScheduleRows::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
    return header_.value(section);
  return QAbstractTableModel::headerData(section, orientation, role);
}

bool ScheduleSort::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  // TryToNumber raises no flags, but the comparison runs inside Qt's sort.
  FloatFaults::Keep keep;
  const QString a = left.data().toString(), b = right.data().toString();
  long double x = 0, y = 0;
  const bool an = TryToNumber(a, x), bn = TryToNumber(b, y);
  if (an && bn) return x < y;
  if (an != bn) return an;
  return QString::localeAwareCompare(a, b) < 0;
}

ScheduleTableView::ScheduleTableView(QWidget* parent) : QTableView(parent) {
  sort_.setSourceModel(&rows_);
  setModel(&sort_);
  setSortingEnabled(true);
  sortByColumn(-1, Qt::AscendingOrder);  // the list's order until a header is clicked
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(18);
  horizontalHeader()->setDefaultSectionSize(72);
  setWordWrap(false);
}

QString ScheduleTableView::SelectedText() const {
  const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
  if (selected.isEmpty()) return currentIndex().isValid() ? currentIndex().data().toString() : QString();
  // The bounding block of the selection, row by row as the table shows them.
  int top = model()->rowCount(), left = model()->columnCount(), bottom = -1, right = -1;
  for (const QModelIndex& i : selected) {
    top = std::min(top, i.row());
    bottom = std::max(bottom, i.row());
    left = std::min(left, i.column());
    right = std::max(right, i.column());
  }
  QStringList lines;
  for (int row = top; row <= bottom; ++row) {
    QStringList cells;
    for (int column = left; column <= right; ++column) {
      const QModelIndex i = model()->index(row, column);
      cells << (selectionModel()->isSelected(i) ? i.data().toString() : QString());
    }
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ScheduleTableView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(SelectedText());
    return;
  }
  QTableView::keyPressEvent(event);
}
