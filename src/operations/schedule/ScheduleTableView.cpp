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
  lines_.clear();
  endResetModel();
}

void ScheduleRows::Insert(std::vector<std::pair<int, QStringList>> rows) {
  for (auto& [line, texts] : rows) {
    const int at = static_cast<int>(std::lower_bound(lines_.begin(), lines_.end(), line) - lines_.begin());
    beginInsertRows(QModelIndex(), at, at);
    lines_.insert(lines_.begin() + at, line);
    rows_.insert(rows_.begin() + at, std::move(texts));
    endInsertRows();
  }
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
    return QVariant::fromValue(
        Qt::Alignment((TryToNumber(text, x) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
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
  // The bounding block of the selection as the table shows it, row by row.
  const QHeaderView* columns = horizontalHeader();
  int top = model()->rowCount(), left = model()->columnCount(), bottom = -1, right = -1;
  for (const QModelIndex& i : selected) {
    const int visual = columns->visualIndex(i.column());
    top = std::min(top, i.row());
    bottom = std::max(bottom, i.row());
    left = std::min(left, visual);
    right = std::max(right, visual);
  }
  QStringList lines;
  for (int row = top; row <= bottom; ++row) {
    QStringList cells;
    for (int visual = left; visual <= right; ++visual) {
      const QModelIndex i = model()->index(row, columns->logicalIndex(visual));
      cells << (selectionModel()->isSelected(i) ? i.data().toString() : QString());
    }
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ScheduleTableView::ShowFirst(const QStringList& captions, int after) {
  QHeaderView* columns = horizontalHeader();
  int to = after;
  for (const QString& caption : captions)
    for (int c = 0; c < model()->columnCount(); ++c)
      if (model()->headerData(c, Qt::Horizontal).toString() == caption) {
        columns->moveSection(columns->visualIndex(c), to++);
        break;
      }
}

void ScheduleTableView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(SelectedText());
    return;
  }
  QTableView::keyPressEvent(event);
}
