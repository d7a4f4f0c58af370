// A test fixture: the real window on a temporary copy of the shipped data,
// with recording dialogs. A message that a test did not take is a failure.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/RecordingDialogs.h"
#include "app/TForm1.h"

class MemoWindow : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A person's mouse on a control: a click, a double click, press, release.
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
  QStringList Messages() { return dialogs->TakeMessages(); }

  QTemporaryDir temp;
  QString dir;
  std::unique_ptr<RecordingDialogs> dialogs;
  std::unique_ptr<TForm1> form;
};
