// A part of the window: it lays out its panels from its control tables
// (Build) and connects its controls to its operations (Wire).
#pragma once

class TForm1;

class Subsystem {
 public:
  explicit Subsystem(TForm1& form) : f(form) {}
  virtual ~Subsystem() = default;
  Subsystem(const Subsystem&) = delete;
  Subsystem& operator=(const Subsystem&) = delete;

  virtual void Build() {}
  virtual void Wire() {}

 protected:
  TForm1& f;
};
