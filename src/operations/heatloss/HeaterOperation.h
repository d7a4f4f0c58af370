// The heater calculator on Panel5 (code "5"): the temperatures of a
// sheathed rod heater of a given power and length.
#pragma once

class TForm1;

class HeaterOperation {
 public:
  explicit HeaterOperation(TForm1& form) : f(form) {}
  void Run();

 private:
  TForm1& f;
};
