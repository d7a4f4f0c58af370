// The flat-wall transmission calculator on Panel9 (code "3"): a hot gas on
// the inner side, the ambient air on the outer side.
#pragma once

class TForm1;

class FlatWallOperation {
 public:
  explicit FlatWallOperation(TForm1& form) : f(form) {}
  void Run();

 private:
  TForm1& f;
};
