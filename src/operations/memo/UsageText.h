// The usage text window Memo1: a fixed help text about the whole program,
// read from text/usage.txt beside the executable, opened and closed by
// "利用方法".
#pragma once

class Form;

class UsageText {
 public:
  explicit UsageText(Form& form) : f(form) {}
  UsageText(const UsageText&) = delete;
  UsageText& operator=(const UsageText&) = delete;

  void Wire();
  // Reads the text into the window. A file that cannot be read leaves the
  // file message in the window instead, so start-up goes on.
  void Load();
  void ToggleUsageText();

 private:
  Form& f;
};
