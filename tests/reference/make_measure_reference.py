#!/usr/bin/env python3
"""Writes tests/data/measures_reference.txt: arc lengths, sector areas, volumes and
surfaces of revolution of plane curves, by mpmath quadrature at 30 digits. Each line:
kind|formulas (slot=text;...)|a|b|measure|value."""
import mpmath as mp
import os

mp.mp.dps = 30
pi = mp.pi

rows = []


def add(kind, formulas, a, b, x, y, dx, dy):
    def arc(t):
        return mp.sqrt(dx(t) ** 2 + dy(t) ** 2)
    values = {
        "arc": mp.quad(arc, [a, b]),
        "sector": mp.quad(lambda t: (x(t) * dy(t) - y(t) * dx(t)) / 2, [a, b]),
        "volume": abs(mp.quad(lambda t: pi * y(t) ** 2 * dx(t), [a, b])),
        "surface": mp.quad(lambda t: 2 * pi * abs(y(t)) * arc(t), [a, b]),
    }
    for name, value in values.items():
        rows.append(f"{kind}|{formulas}|{mp.nstr(a, 25)}|{mp.nstr(b, 25)}|{name}|{mp.nstr(value, 25)}")


# explicit y = x sin(x) on [0, 3]
add(201, "1=xsin(x)", mp.mpf(0), mp.mpf(3), lambda t: t, lambda t: t * mp.sin(t), lambda t: 1,
    lambda t: mp.sin(t) + t * mp.cos(t))
# explicit y = exp(-x^2/2) on [-1, 2]
add(201, "1=exp(-xx/2)", mp.mpf(-1), mp.mpf(2), lambda t: t, lambda t: mp.exp(-t * t / 2), lambda t: 1,
    lambda t: -t * mp.exp(-t * t / 2))
# parametric ellipse x = 2cos t, y = sin t on [0, pi]
add(203, "0=2cos(t);1=sin(t)", mp.mpf(0), pi, lambda t: 2 * mp.cos(t), lambda t: mp.sin(t),
    lambda t: -2 * mp.sin(t), lambda t: mp.cos(t))
# polar r = 1 + cos t (cardioid) on [0, pi]
r = lambda t: 1 + mp.cos(t)
dr = lambda t: -mp.sin(t)
add(202, "2=1+cos(t)", mp.mpf(0), pi, lambda t: r(t) * mp.cos(t), lambda t: r(t) * mp.sin(t),
    lambda t: dr(t) * mp.cos(t) - r(t) * mp.sin(t), lambda t: dr(t) * mp.sin(t) + r(t) * mp.cos(t))

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "..", "data", "measures_reference.txt"), "w") as out:
    out.write("# kind|formulas|a|b|measure|value (mpmath quad, 30 digits): make_measure_reference.py\n")
    out.write("\n".join(rows) + "\n")
