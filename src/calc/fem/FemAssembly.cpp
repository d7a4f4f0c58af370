#include "calc/fem/FemAssembly.h"

#include "calc/fem/FemFaces.h"
#include "calc/numeric/Rounding.h"

namespace FemAssembly {

namespace {

// A coefficient that is either still unset or holds a number.
struct Slot {
  long double value = 0;
  bool set = false;

  void Add(long double x) {
    value = set ? value + x : x;
    set = true;
  }
  void SetOnce(long double x) {
    if (set) return;
    value = x;
    set = true;
  }
};

}  // namespace

long double Nr(long double x) { return Rounding::To(x, 6); }

FemSystem Assemble(const FemTable& t) {
  const int m = t.m;
  std::vector<std::vector<Slot>> g(m, std::vector<Slot>(m));
  std::vector<Slot> b(m);

  for (const FemFaceLink& link : FemFaces::Links(t)) {
    const int e = link.element, k = link.row;
    const long double G = link.conductance;
    g[e - 1][e - 1].Add(Nr(-G));
    if (k <= m)
      g[e - 1][k - 1].SetOnce(Nr(G));
    else
      b[e - 1].Add(Nr(-t.rows[k - 1].column3 * G));
  }

  FemSystem s;
  s.g.assign(m, std::vector<long double>(m, 0));
  s.b.assign(m, 0);
  for (int e = 0; e < m; ++e) {
    for (int k = 0; k < m; ++k) s.g[e][k] = g[e][k].value;
    s.b[e] = b[e].value;
  }

  // Elements held at a fixed temperature: the equation T_e = T.
  for (int k = t.l + 1; k <= static_cast<int>(t.rows.size()); ++k) {
    const int e = t.FixedElementOf(k);
    if (e == 0) continue;
    for (long double& x : s.g[e - 1]) x = 0;
    s.g[e - 1][e - 1] = 1;
    s.b[e - 1] = t.rows[k - 1].column3;
  }
  return s;
}

}  // namespace FemAssembly
