// The pipe-flow calculator on Panel5 with Panel20 (code "41"): the
// temperature of a fluid cooled or heated along an insulated pipe.
#pragma once

class TForm1;

class PipeFlowOperation {
 public:
  explicit PipeFlowOperation(TForm1& form) : f(form) {}
  void Run();

 private:
  // A coefficient above 10000 is taken as 10000, and the field shows it.
  long double Capped(const char* field);

  TForm1& f;
};
