// The schedule's table on the page: rows added as the lines are solved,
// sorted by a click on a column's header (numbers as numbers, texts after
// them), and Ctrl+C copying the selected cells as tab-separated lines, the
// bounding block of the selection row by row, as every grid of the window
// does (StringGrid::SelectedText). A model of texts, so that ten thousand
// lines stay light.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTableView>
#include <vector>

class ScheduleRows : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void Reset(const QStringList& header);
  // Rows by their line's index in the list: each goes where the list has
  // it, whatever order the lines end in.
  void Insert(std::vector<std::pair<int, QStringList>> rows);
  int Rows() const { return static_cast<int>(rows_.size()); }
  const QStringList& Row(int r) const { return rows_[r]; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList header_;
  std::vector<QStringList> rows_;
  std::vector<int> lines_;  // the line index of each row, rising
};

// Numbers before texts, numbers by value.
class ScheduleSort : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

class ScheduleTableView : public QTableView {
  Q_OBJECT
 public:
  explicit ScheduleTableView(QWidget* parent = nullptr);

  ScheduleRows& Model() { return rows_; }
  // The selected cells as Ctrl+C copies them, in the order the table shows
  // its rows and columns.
  QString SelectedText() const;
  // Shows the columns of these captions first, in this order, after the
  // first `after` columns.
  void ShowFirst(const QStringList& captions, int after);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ScheduleRows rows_;
  ScheduleSort sort_;
};
