// The cylinder calculator on Panel5 (code "4"): an insulated tube whose
// inner surface is held at a given temperature.
#pragma once

class TForm1;

class CylinderOperation {
 public:
  explicit CylinderOperation(TForm1& form) : f(form) {}
  void Run();

 private:
  TForm1& f;
};
