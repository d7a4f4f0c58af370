#include "curves/CurvesWindow.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QThread>

#include "operations/analysis/AnalysisView.h"
#include "operations/curves/CurvePage.h"

const ChartPlot& CurvesWindow::Plot() const { return form->Analysis().Chart().Plot(); }

const ChartCurve& CurvesWindow::Curve(const QString& title) const {
  for (const ChartCurve& c : Plot().curves)
    if (c.title == title) return c;
  ADD_FAILURE() << "no curve " << title.toStdString() << " in " << Plot().title.toStdString();
  static const ChartCurve none{};
  return none;
}

std::vector<double> CurvesWindow::Marks(const QString& title) const {
  std::vector<double> at;
  for (const ChartCurve& c : Plot().curves)
    if (c.title == title && c.style == ChartCurve::Mark) at.push_back(c.points.front().x);
  return at;
}

void CurvesWindow::Settle() {
  QElapsedTimer waited;
  waited.start();
  while (form->Curves().Busy() && waited.elapsed() < 10000) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(2);
  }
  ASSERT_FALSE(form->Curves().Busy()) << "the work in the background ends";
}

QStringList CurvesWindow::WindowTexts() const {
  QStringList texts;
  for (auto it = form->Controls().begin(); it != form->Controls().end(); ++it) {
    if (it.key().startsWith(QLatin1String("Sweep"))) continue;
    QString text;
    if (auto* e = qobject_cast<QLineEdit*>(it.value()))
      text = e->text();
    else if (auto* l = qobject_cast<QLabel*>(it.value()))
      text = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(it.value()))
      text = b->text() + (b->isChecked() ? QStringLiteral(" [x]") : QString());
    else
      continue;
    texts << it.key() + QLatin1Char('=') + text;
  }
  texts.sort();
  for (int c = 0; c < ConditionStore::kColumns; ++c)
    for (int r = 0; r < ConditionStore::kRows; ++r)
      texts << QStringLiteral("store(%1,%2)=").arg(c).arg(r) + form->Store().GetCell(c, r);
  return texts;
}
