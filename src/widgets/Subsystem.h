// A part of the window: it lays out its panels from its control tables
// (Build) and connects its controls to its operations (Wire).
#pragma once

class Form;

class Subsystem {
 public:
  explicit Subsystem(Form& form) : f(form) {}
  virtual ~Subsystem() = default;
  Subsystem(const Subsystem&) = delete;
  Subsystem& operator=(const Subsystem&) = delete;

  virtual void Build() {}
  virtual void Wire() {}

 protected:
  Form& f;
};
