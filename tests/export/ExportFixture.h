// A window on a temporary copy of the built data, with recording dialogs,
// the grid memo shown, ready for exports.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/RecordingDialogs.h"
#include "app/StringGrid.h"
#include "app/TForm1.h"
#include "memo/ResultExport.h"

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString data = qEnvironmentVariable("HEATCALC_DATA");
    ASSERT_FALSE(data.isEmpty()) << "HEATCALC_DATA must point at the built data";
    app = temp.path() + QStringLiteral("/app");
    for (const char* sub : {"G1de-ta", "siryou", "formtext", "memo", "memocsv", "text"}) {
      QDir().mkpath(app + QLatin1Char('/') + QLatin1String(sub));
      QDirIterator it(data + QLatin1Char('/') + QLatin1String(sub), QDir::Files);
      while (it.hasNext()) {
        it.next();
        QFile::copy(it.filePath(), app + QLatin1Char('/') + QLatin1String(sub) + QLatin1Char('/') + it.fileName());
      }
    }
    QFile::remove(app + QStringLiteral("/G1de-ta/heatwork.csv"));
    QFile::copy(app + QStringLiteral("/G1de-ta/heatworkA.csv"), app + QStringLiteral("/G1de-ta/heatwork.csv"));
    dialogs = std::make_unique<RecordingDialogs>(temp.path() + QStringLiteral("/scratch"));
    form = std::make_unique<TForm1>(app, *dialogs);
    startupMessages = dialogs->TakeMessages();
    form->SetShown("StringGrid3", true);
  }

  // Runs an operation as an event would, inside the window's guard.
  template <class Op>
  void Do(Op op) {
    form->Guarded(op);
  }
  void Export() { Do([this] { form->Export().ExportResults(); }); }
  QString Cell(int c, int r) const { return form->Grid("StringGrid3")->Cell(c, r); }
  int Rows() const { return form->Grid("StringGrid3")->RowCount(); }
  QString Counter() const { return form->Store().GetCell(5, 5); }

  QTemporaryDir temp;
  QString app;
  std::unique_ptr<RecordingDialogs> dialogs;
  std::unique_ptr<TForm1> form;
  QStringList startupMessages;
};
