// A test fixture: the real window on a temporary copy of the shipped data,
// with recording dialogs. Every message a test does not take is a failure.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/RecordingDialogs.h"
#include "app/TForm1.h"

class HeatLossWindow : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A person's mouse click on a control; the Enter key in a field.
  void Click(const char* name);
  void Enter(const char* name);

  QString Text(const char* name) const { return form->Text(name); }
  void Set(const char* name, const QString& text);
  QString Cell(int column, int row) const { return form->Store().GetCell(column, row); }
  // The messages shown since the last call.
  QStringList Messages() { return dialogs->TakeMessages(); }
  // The texts of several fields, to compare before and after an action.
  QStringList Texts(std::initializer_list<const char*> names) const;

  QTemporaryDir temp;
  std::unique_ptr<RecordingDialogs> dialogs;
  std::unique_ptr<TForm1> form;
};
