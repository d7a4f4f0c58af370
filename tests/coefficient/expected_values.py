#!/usr/bin/env python3
"""Works out the expected results of the correlation table in
CorrelationTableTest.cpp, once, from the published formulas, in double
precision. Run: python3 tests/coefficient/expected_values.py

Prints one line per case: the number, the inputs and the expected texts.
A result that lies within 1e-7 of a rounding half is marked NEAR-HALF, so
that its inputs can be changed (none is)."""
from math import exp, log, trunc

def pw(x, y):
    return exp(y * log(x))

def rnd(x, k):
    return round(x * 10 ** k) / 10 ** k

def txt(x, k):
    v = rnd(x, k)
    s = '%.15g' % v
    frac = abs(x * 10 ** k - int(x * 10 ** k))
    if abs(frac - 0.5) < 1e-7:
        s += ' NEAR-HALF'
    return s

def ra_text(ra):
    e = log(ra) * 0.4342
    k = trunc(e)
    m = rnd(pw(10, e - k), 2)
    return '%.15gE%d' % (m, k)

out = []

# ---- simple formulas: values of rows 0.. of column 1, h rounded to 2
simple = {
    '1': ([60, 20, 0.5], lambda a, b, c: 1.42 * pw((a - b) / c, 0.25)),
    '2': ([60, 20], lambda a, b: 0.95 * pw(a - b, 1 / 3)),
    '3': ([60, 20, 0.05], lambda a, b, c: 1.32 * pw((a - b) / c, 0.25)),
    '4': ([60, 20], lambda a, b: 1.24 * pw(a - b, 1 / 3)),
    '5': ([60, 20, 0.3], lambda a, b, c: 1.32 * pw((a - b) / c, 0.25)),
    '6': ([80, 20], lambda a, b: 1.24 * pw(a - b, 1 / 3)),
    '7': ([60, 20, 0.5], lambda a, b, c: 0.61 * pw((a - b) / c / c, 0.2)),
    '9': ([60, 20, 0.1], lambda a, b, c: 1.175 * pw((a - b) / c, 0.25)),
    '10': ([0.24, 5, 1.2, 0.05], lambda cp, u, r, D: 0.016 * cp * pw(3600 * u * r, 0.8) / pw(D, 0.2)),
    '11': ([20, 1.5, 0.05], lambda t, u, D: 3100 * (1 + 0.015 * t) * pw(u, 0.3) * pw(100 * D, 0.2)),
    '12': ([60, 20, 3], lambda a, b, u: 3.26 * pw(a - b, 0.25) * pw((u + 0.348) / 0.348, 0.5)),
    '13': ([60, 20, 3], lambda a, b, u: 2.28 * pw(a - b, 0.25) * pw((u + 0.348) / 0.348, 0.5)),
}
for n, (v, f) in simple.items():
    out.append((n, 'simple', v, {'h': txt(f(*v), 2)}))

# ---- natural convection
L, nu, cp, rho, lam, T2, T1, beta = 0.5, 0.000016, 0.279, 1.13, 0.0272, 60, 20, 0.0032
dT = T2 - T1
Re = pw(19.6 * L * L * L * beta * dT / nu / nu, 0.5)
Pr = cp * rho * nu / (lam / 3600)
Gr = 9.8 * L * L * L * beta * dT / nu / nu
Ra = Gr * Pr

def cc(a, b):
    return pw(a + 0.387 * pw(Ra, 1 / 6) / pw(1 + pw(b / Pr, 9 / 16), 8 / 27), 2)

natural = {
    '51': ({}, 0.68 * pw(Pr, 0.5) * pw(Gr, 0.25) / pw(0.95 + Pr, 0.25)),
    '52': ({}, 0.59 * pw(Ra, 0.25)),
    '53': ({}, 0.13 * pw(Ra, 1 / 3)),
    '54': ({}, 0.1 * pw(Ra, 1 / 3)),
    '55': ({}, cc(0.825, 0.492)),
    '56': ({}, 0.13 * pw(Ra, 1 / 3)),
    '57': ({}, 0.87 * pw(Ra, 0.25)),
    '58': ({}, 0.0245 * pw(Ra, 0.4)),
    '59': ({}, 0.54 * pw(Ra, 0.25)),
    '60': ({}, 0.14 * pw(Ra, 1 / 3)),
    '61': ({}, 0.27 * pw(Ra, 0.25)),
    '62': ({}, 0.58 * pw(Ra, 0.2)),
    '63': ({}, cc(0.6, 0.559)),
    '64': ({}, 0.53 * pw(Ra, 0.25)),
    '65': ({}, 0.126 * pw(Ra, 1 / 3)),
    '66': ({}, pw(0.6 + 0.387 * pw(Ra / pw(1 + pw(0.559 / Pr, 9 / 16), 16 / 9), 1 / 6), 2)),
    '69': ({'X': 1.0}, 0.22 * pw(Pr * Ra / (0.2 + Pr), 0.28) * pw(1.0 / L, -0.25)),
    '70': ({}, 0.18 * pw(Pr * Ra / (0.2 + Pr), 0.29)),
    '71': ({}, 1.0),
    '74': ({'C': 0.59, 'X': 1.0, 'n': 0.25, 'm': 0}, 0.59 * pw(Ra, 0.25) * pw(1.0 / L, 0.0001)),
    '75': ({'X': 2.0}, 0.42 * pw(Ra, 0.25) * pw(Pr, 0.012) * pw(2.0 / L, -0.3)),
    '76': ({}, 0.046 * pw(Ra, 1 / 3)),
    '77': ({}, 2 + 0.43 * pw(Ra, 0.25)),
    '78': ({}, 2 + 0.59 * pw(Ra, 0.25)),
}
for n, (extra, Nu) in natural.items():
    out.append((n, 'natural', extra, {'h': txt(Nu * lam / L, 1), 'Re': txt(Re, 0), 'Pr': txt(Pr, 3),
                                      'Gr': txt(Gr, 0), 'Ra': ra_text(Ra), 'Nu': txt(Nu, 1)}))

# ---- forced convection: (U, L, nu, cp, rho, lambda), extras, Nu
air_plate = (2, 0.3, 0.000016, 0.279, 1.13, 0.0272)
air_pipe = (5, 0.05, 0.000016, 0.279, 1.13, 0.0272)
sodium = (2, 0.05, 0.0000003, 0.3, 850, 70)

def forced(inputs, extra, nufun):
    U, L, nu, cp, rho, lam = inputs
    Re = U * L / nu
    Pr = cp * rho * nu / (lam / 3600)
    mu = nu * rho
    Nu = nufun(Re, Pr, L, mu, extra)
    return {'h': txt(Nu * lam / L, 2), 'Re': txt(Re, 2), 'Pr': txt(Pr, 3), 'Nu': txt(Nu, 2)}

mx = {'X': 1.0}
muw = {'mu': 0.00002, 'muW': 0.000015}
forced_cases = {
    '101': (air_plate, {}, lambda Re, Pr, L, mu, e: 0.664 * pw(Re, 0.5) * pw(Pr, 1 / 3)),
    '102': (air_plate, {}, lambda Re, Pr, L, mu, e: 0.037 * pw(Re, 0.8) * pw(Pr, 1 / 3)),
    '104': (air_pipe, mx, lambda Re, Pr, L, mu, e: 3.66 + 0.0668 * (Re * Pr * L / e['X']) /
            (1 + 0.04 * pw(Re * Pr * L / e['X'], 2 / 3))),
    '105': (air_pipe, mx, lambda Re, Pr, L, mu, e: 1.62 * pw(Re * Pr * L / e['X'], 1 / 3)),
    '106': (air_pipe, mx, lambda Re, Pr, L, mu, e: 0.578 * pw(Re, 0.5) * pw(Pr, 1 / 3) * pw(L / e['X'], 0.5)),
    '107': (air_pipe, {**mx, **muw}, lambda Re, Pr, L, mu, e: 1.86 * pw(Re * Pr, 1 / 3) * pw(L / e['X'], 1 / 3) *
            pw(mu / e['muW'], 0.14)),
    '108': (air_pipe, {}, lambda Re, Pr, L, mu, e: 0.023 * pw(Re, 0.8) * pw(Pr, 0.4)),
    '109': (air_pipe, {}, lambda Re, Pr, L, mu, e: 0.023 * pw(Re, 0.8) * pw(Pr, 0.3)),
    '110': (air_pipe, {}, lambda Re, Pr, L, mu, e: 0.023 * pw(Re, 0.8) * pw(Pr, 1 / 3)),
    '111': (air_pipe, muw, lambda Re, Pr, L, mu, e: 0.023 * pw(Re, 0.8) * pw(Pr, 1 / 3) * pw(mu / e['muW'], 0.14)),
    '112': (sodium, {}, lambda Re, Pr, L, mu, e: 5 + 0.025 * pw(Re * Pr, 0.8)),
    '113': (air_pipe, {}, lambda Re, Pr, L, mu, e: 0.0396 * pw(Re, 0.75) * Pr /
            (1 + 1.7 * pw(Pr, -0.25) * pw(Re, -0.125) * (Pr - 1))),
    '114': (air_pipe, mx, lambda Re, Pr, L, mu, e: 0.036 * pw(Re, 0.8) * pw(Pr, 1 / 3) * pw(L / e['X'], 0.055)),
    '116': (air_pipe, {'c': 0.683, 'm': 0.466}, lambda Re, Pr, L, mu, e: 1.11 * e['c'] * pw(Re, e['m']) *
            pw(Pr, 1 / 3)),
    '117': (air_pipe, {}, lambda Re, Pr, L, mu, e: (0.35 + 0.56 * pw(Re, 0.52)) * pw(Pr, 0.3)),
    '120': (air_pipe, {}, lambda Re, Pr, L, mu, e: (0.35 + 0.47 * pw(Re, 0.52)) * pw(Pr, 0.3)),
    '121': (air_pipe, {}, lambda Re, Pr, L, mu, e: 0.26 * pw(Re, 0.6) * pw(Pr, 0.3)),
    '122': (air_pipe, {}, lambda Re, Pr, L, mu, e: 0.27 * pw(Re, 0.6) * pw(Pr, 1 / 3)),
    '123': (air_pipe, {}, lambda Re, Pr, L, mu, e: 0.37 * pw(Re, 0.6)),
    '124': (air_pipe, {}, lambda Re, Pr, L, mu, e: pw(Pr, 0.3) * (0.97 + 0.68 * pw(Re, 0.5))),
    '125': (air_pipe, muw, lambda Re, Pr, L, mu, e: (1.2 + 0.53 * pw(Re, 0.54)) * pw(Pr, 0.3) *
            pw(mu / e['muW'], 0.25)),
    '126': (air_pipe, muw, lambda Re, Pr, L, mu, e: 2 + (0.4 * pw(Re, 0.5) + 0.06 * pw(Re, 2 / 3)) * pw(Pr, 0.4) *
            pw(mu / e['muW'], 0.25)),
}
for n, (inputs, extra, f) in forced_cases.items():
    out.append((n, 'forced', (inputs, extra), forced(inputs, extra, f)))

# ---- fins, walls, scale
def cosh(z): return (exp(-z) + exp(z)) / 2
def sinh(z): return (exp(z) - exp(-z)) / 2

def fin(h, c, k, s, L):
    m = pw(h * c / k / s, 0.5)
    C, S, B = cosh(m * L), sinh(m * L), h / m / k
    return m, C, S, B, m * k * (B * C + S) / (B * S + C)

h, c, k, s, L = 10, 0.2, 200, 0.0001, 0.05
m, C, S, B, H = fin(h, c, k, s, L)
Ht = (L / 0.02 + 1) * H
Hm = (rnd(Ht, 2) * 0.001 + (0.005 - 0.001) * h) / 0.005
out.append(('201', 'fin', 'no tube', {'m': txt(m, 2), 'H': txt(H, 2)}))
out.append(('201', 'fin', 'tube 0.02, t 0.001, p 0.005', {'m': txt(m, 2), 'H': txt(H, 2), 'Ht': txt(Ht, 2),
                                                          'Hm': txt(Hm, 2)}))
for X in (0.025, 0.08):
    Xe = min(X, L)
    Tx = (cosh(m * (L - Xe)) + B * sinh(m * (L - Xe))) * (100 - 20) / (C + B * S) + 20
    out.append(('202', 'fin', 'X %g Ts 20 To 100' % X, {'m': txt(m, 2), 'H': txt(H, 2), 'Tx': txt(Tx, 2)}))
t1, t2, t3, l1, l2, l3 = 0.01, 0.05, 0.01, 50, 0.05, 50
t = t1 + t2 + t3
out.append(('203', 'wall', '', {'t': '%.15g' % t, 'lambda': txt(t / (t1 / l1 + t2 / l2 + t3 / l3), 2)}))
D = 0.1
t1, t2, t3, l1, l2, l3 = 0.005, 0.05, 0.001, 16, 0.045, 200
t = t1 + t2 + t3
D1 = 2 * t1 + D; D2 = D1 + 2 * t2; D3 = D2 + 2 * t3
B = 1 / (1 / (l1 / log(D1 / D)) + 1 / (l2 / log(D2 / D1)) + 1 / (l3 / log(D3 / D2)))
out.append(('204', 'wall', 'D 0.1', {'t': '%.15g' % t, 'lambda': txt(log((2 * t + D) / D) * B, 2)}))
out.append(('205', 'scale', 'w 8, A, 2000 h', {'thickness': txt(exp(0.4834 * 8 - 1.834) * 2000 / 3000, 2)}))
out.append(('200', 'fin', 'as 201', {'m': txt(m, 2), 'H': txt(H, 2)}))

# ---- saturated vapour rows
for r in (1, 2, 41, 61, 201):
    T = (r - 1) * 0.5
    p = 6.11 * pw(10, 7.5 * T / (T + 237.3))
    out.append(('vapour', r, '%.15g' % T, {'p': txt(p, 2), 'a': txt(p * 217 / (T + 273.15), 2)}))

for o in out:
    print(o)
