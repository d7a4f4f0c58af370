// The three kinds of failure an operation can end with. Each carries the
// text that the window shows in its error box; nothing else catches them.
#pragma once

#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error {
 public:
  explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

// A text that is not a number ("'%s' は浮動小数点数ではありません") or not an
// integer ("'%s' は整数ではありません").
class ConversionError : public AppError {
  using AppError::AppError;
};

// A division by zero, an invalid operation or an overflow in a calculation.
class FloatFault : public AppError {
  using AppError::AppError;
};

// A file that cannot be read ("ファイル %s は開けません") or written
// ("ファイル %s を作成できません").
class FileError : public AppError {
  using AppError::AppError;
};
