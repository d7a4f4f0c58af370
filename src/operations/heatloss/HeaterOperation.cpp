#include "operations/heatloss/HeaterOperation.h"

#include "foundation/NumberText.h"
#include "app/TForm1.h"
#include "calc/heatloss/Heater.h"
#include "operations/heatloss/HeatLossFields.h"

using namespace HeatLossCalc;

// The results are written from the surface inwards, each as soon as it is
// known: a fault in an inner layer (a logarithm of 1 when two diameters are
// equal) leaves the outer results on screen.
void HeaterOperation::Run() {
  HeaterInputs in;
  in.L = f.Number("Edit13");
  in.Q = f.Number("Edit8");
  in.Ta = f.Number("Edit3");
  in.e = f.Number("Edit16");
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::FirstSix);
  in.P = HeaterCircumference(f.Number("Edit11"));
  in.h = f.Number("Edit17");

  const long double Ts = HeaterSurfaceTemperature(in);
  const HeaterLosses q = HeaterSurfaceLosses(in, Ts);
  f.SetText("Edit18", NumberText(q.convective));
  f.SetText("Edit19", NumberText(q.radiative));
  f.SetText("Edit20", NumberText(q.total));
  f.SetText("Edit2", RoundHundredths(Ts));
  f.SetText("Edit14", RoundHundredths(HeaterFluxDensity(in)));

  const long double sheathInner =
      LayerInnerTemperature(in.Q, f.Number("Edit7"), in.L, f.Number("Edit11"), f.Number("Edit10"), Ts);
  f.SetText("Edit21", RoundHundredths(sheathInner));
  f.SetText("Edit1", RoundHundredths(sheathInner));

  const long double wire =
      LayerInnerTemperature(in.Q, f.Number("Edit6"), in.L, f.Number("Edit10"), f.Number("Edit9"), sheathInner);
  f.SetText("Edit4", RoundHundredths(wire));
}
