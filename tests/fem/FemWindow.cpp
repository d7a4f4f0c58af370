#include "FemWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <utility>

#include "foundation/NumberText.h"
#include "widgets/StringGrid.h"
#include "operations/fem/FemSheet.h"

namespace {

void Send(QWidget* w, QEvent::Type type) {
  const QPoint pos(2, 2);
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

}  // namespace

void FemWindow::SetUp() {
  Open();
  ASSERT_EQ(Messages(), QStringList()) << "start-up";
  form->Guarded([this] { Sheet().SetUpFemSheet(); });
}

FemSheet& FemWindow::Sheet() { return form->Fem(); }

QString FemWindow::Cell(int column, int row) const { return form->Grid("StringGrid3")->Cell(column, row); }

void FemWindow::Set(int column, int row, const QString& text) {
  form->Grid("StringGrid3")->SetCell(column, row, text);
}

void FemWindow::TypeTable(const std::vector<QStringList>& rows) {
  for (int i = 0; i < static_cast<int>(rows.size()); ++i)
    for (int c = 0; c < rows[i].size(); ++c) Set(c + 1, i + 3, rows[i][c]);
}

void FemWindow::Click(const char* name) {
  QWidget* w = form->Control(name);
  Send(w, QEvent::MouseButtonPress);
  Send(w, QEvent::MouseButtonRelease);
}

void FemWindow::DblClick(const char* name) {
  QWidget* w = form->Control(name);
  Send(w, QEvent::MouseButtonPress);
  Send(w, QEvent::MouseButtonRelease);
  Send(w, QEvent::MouseButtonDblClick);
  Send(w, QEvent::MouseButtonRelease);
}

void FemWindow::RunTwice() {
  form->Guarded([this] { Sheet().PrepareFemRun(); });
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("条件データを保存しますか？")});
  form->Guarded([this] { Sheet().PrepareFemRun(); });
}

FemWindow::System FemWindow::ReadSystem(int m) const {
  const int v = ToInteger(Cell(6, 0));
  System s;
  s.g.assign(m, std::vector<long double>(m));
  s.b.assign(m, 0);
  for (int e = 0; e < m; ++e) {
    for (int k = 0; k < m; ++k) s.g[e][k] = ToNumber(Cell(k + 2, v + 5 + e));
    s.b[e] = ToNumber(Cell(m + 3, v + 5 + e));
  }
  return s;
}

std::vector<long double> FemWindow::Solve(System s) {
  const int n = static_cast<int>(s.b.size());
  for (int col = 0; col < n; ++col) {
    int pivot = col;
    for (int r = col + 1; r < n; ++r)
      if (fabsl(s.g[r][col]) > fabsl(s.g[pivot][col])) pivot = r;
    std::swap(s.g[col], s.g[pivot]);
    std::swap(s.b[col], s.b[pivot]);
    for (int r = col + 1; r < n; ++r) {
      const long double factor = s.g[r][col] / s.g[col][col];
      for (int k = col; k < n; ++k) s.g[r][k] -= factor * s.g[col][k];
      s.b[r] -= factor * s.b[col];
    }
  }
  std::vector<long double> t(n);
  for (int r = n - 1; r >= 0; --r) {
    long double sum = s.b[r];
    for (int k = r + 1; k < n; ++k) sum -= s.g[r][k] * t[k];
    t[r] = sum / s.g[r][r];
  }
  return t;
}
