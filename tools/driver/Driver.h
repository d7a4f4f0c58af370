// The scenario driver: runs command lines against the real window with
// recording dialogs, as a person would use it.
#pragma once

#include <QString>
#include <QTextStream>

class Form;
class RecordingDialogs;

class Driver {
 public:
  Driver(Form& form, RecordingDialogs& dialogs, QTextStream& out);

  // Runs one command line. Returns 0 when all is well, 1 after a failed
  // expectation (the run goes on), 2 for an impossible action (the run ends).
  int Run(const QString& line);

  // Writes \r, \n and \ of a text as \r, \n and \\ so that one answer is one line.
  static QString Escape(const QString& text);

 private:
  // Runs a query command and returns its printed line (without newline).
  QString Query(const QString& command, const QString& rest);
  void Print(const QString& line);

  Form& form_;
  RecordingDialogs& dialogs_;
  QTextStream& out_;
};

// Raised for an action a person could not take (hidden or disabled control,
// unknown name or command); ends the run with exit code 2.
struct DriverError {
  QString text;
};
