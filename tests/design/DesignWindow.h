// The real window with the insulation design's pages: a target chosen by
// its caption as a person picks it, the pages shown by their tabs, and a
// wait for the work that runs on a worker thread.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTabWidget>

#include "foundation/NumberText.h"
#include "heatloss/HeatLossWindow.h"
#include "operations/design/DesignJob.h"
#include "operations/design/InsulationDesign.h"

class DesignWindow : public HeatLossWindow {
 protected:
  // The analysis view at the page (DesignPage, EconPage), as its tab shows it.
  void ShowPage(const char* page) {
    Click("GraphButton");
    auto* tabs = static_cast<QTabWidget*>(form->Control("AnalysisView"));
    tabs->setCurrentWidget(form->Control(page));
    QApplication::processEvents();
  }
  void ChooseTarget(const QString& caption) {
    auto* box = static_cast<QComboBox*>(form->Control("DesignTarget"));
    const int i = box->findText(caption);
    ASSERT_GE(i, 0) << caption.toStdString();
    box->setCurrentIndex(i);
    emit box->activated(i);
    QApplication::processEvents();
  }
  // Until the work on the worker thread has shown its result.
  void WaitForJob() {
    QElapsedTimer t;
    t.start();
    while (form->Design().Job().Busy() && t.elapsed() < 30000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(form->Design().Job().Busy()) << "the work did not end";
  }
  long double Number(const char* name) const { return ToNumber(Text(name)); }
};
