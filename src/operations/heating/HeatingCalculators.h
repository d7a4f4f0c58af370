// The heating models as operations on the heating panel: they read the
// fields of Panel14 and of the surface panel, call the calculations and
// write the result fields.
#pragma once

#include <functional>

class Fields;
struct HeatingTrace;

class HeatingCalculators {
 public:
  // trace, when given, receives the model each calculation ran with and
  // brings its stop flag (HeatingTrace.h); the results are the same.
  explicit HeatingCalculators(Fields& form, HeatingTrace* trace = nullptr) : f(form), trace_(trace) {}

  // Liquid or solid (gas: hands over to GasHeating after volume and mass).
  void ContainerHeating();
  void GasHeating();
  void WallHeating();
  void ContentOnlyPower();

  // The liquid's or solid's final temperature and the container's surface
  // there (K), handed out as soon as ContainerHeating has found a power;
  // the window keeps them in its store (StoreCells::kHeatedFinal, kHeatedSurface).
  struct FinalState {
    long double contents = 0, surface = 0;
  };
  void OnFinalState(std::function<void(const FinalState&)> keep) { keepFinal_ = std::move(keep); }

 private:
  // The required texts of the container models; puts "0" into an empty
  // insulation field. False: the run ends silently.
  bool RequiredTexts();
  // Writes the volume (Edit49) and the mass (Edit54) of the contents.
  void WriteVolumeAndMass(long double L, long double W, long double D);
  long double Sigma() const;

  Fields& f;
  HeatingTrace* trace_;
  std::function<void(const FinalState&)> keepFinal_;
};
