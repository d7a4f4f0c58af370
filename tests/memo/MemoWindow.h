// The real window on a temporary program folder (support/FormFixture), shown
// at its designed size, with mouse helpers for grids and file lists. A message
// that a test did not take is a failure.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "support/FormFixture.h"

class MemoWindow : public FormFixture {
 protected:
  void SetUp() override;

  // A person's mouse on a control (on the viewport of a scrolling one): a
  // click, a double click. The events they cause run before the test goes on.
  void Click(const char* name);
  void DblClick(const char* name);
  // Mouse on a cell of a grid.
  void PressCell(const char* grid, int column, int row);
  void ReleaseCell(const char* grid, int column, int row);
  void DblClickCell(const char* grid, int column, int row);
  // Click, or double click, on an entry of a file list.
  void Select(const char* list, const QString& entry);
  void DblClickItem(const char* list, const QString& entry);

  // Types name into the name field and presses 保存 of the name panel.
  void SaveAs(const QString& name);

  QString Path(const QString& relative) const { return form->Path(relative); }
  QByteArray Bytes(const QString& relative) const;
  void WriteBytes(const QString& relative, const QByteArray& bytes) const;
  // Writes text as code page 932 with CR LF line ends.
  void WriteLines(const QString& relative, const QStringList& lines) const;
  QStringList Messages() { return TakeMessages(); }
};
