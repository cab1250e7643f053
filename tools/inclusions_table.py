#!/usr/bin/env python3
"""Writes a table of realistic fluid inclusions for the inclusions program:
density and fourphase rows, every density source, the equations of state each
program offers (with compositions they cover), the aqueous volume fraction
known in half the rows and the limit check in a third.

Usage: tools/inclusions_table.py ROWS [SEED] > table.csv
"""
import random
import sys

CLATHRATE = ["chueh", "soave", "lee-kesler", "peng-robinson", "duan-1992", "duan-1996"]
# Liquid-vapour equations and the gases they cover besides CO2 and CH4.
VAPOUR = {"redlich-kwong": "NE", "chueh": "NE", "soave": "NE", "lee-kesler": "NE",
          "peng-robinson": "NE", "holloway": "NE", "bowers-helgeson": "NE",
          "duan-1992": "", "thiery": "N", "duan-1996": "N"}
HEADER = ("id,program,Tm_C,clathrate_eos,x_CO2,x_CH4,x_N2,x_C2H6,density_from,density_value,phase,"
          "vapour_eos,NaCl_pct,KCl_pct,CaCl2_pct,MgCl2_pct,aqueous_volume_pct,limit_check,sample")


def composition(rng, vapour, co2_min):
    """CO2-CH4 with N2 and C2H6 where the equation covers them, or pure CO2."""
    if vapour is None:
        return [1.0, 0.0, 0.0, 0.0]
    n2 = round(rng.uniform(0, 0.04), 3) if "N" in VAPOUR[vapour] else 0.0
    c2h6 = round(rng.uniform(0, 0.02), 3) if "E" in VAPOUR[vapour] else 0.0
    ch4 = round(rng.uniform(0.005, 1 - co2_min - n2 - c2h6), 3)
    return [round(1 - ch4 - n2 - c2h6, 3), ch4, n2, c2h6]


def clathrate(rng, x):
    """An equation for the clathrate equilibria that covers the gases."""
    names = CLATHRATE if x[3] == 0 and x[2] == 0 else CLATHRATE[:4] + ["duan-1996"] if x[3] == 0 else CLATHRATE[:4]
    return rng.choice(names)


def salts(rng):
    nacl = rng.choice([100, 100, 80, 60])
    rest = 100 - nacl
    kcl = rng.choice([0, rest // 2, rest])
    return [nacl, kcl, rest - kcl, 0]


def row(rng, k):
    program = "density" if rng.random() < 0.6 else "fourphase"
    vapour = None if rng.random() < 0.3 else rng.choice(sorted(VAPOUR))
    x = composition(rng, vapour, 0.85 if program == "density" else 0.9)
    clath = clathrate(rng, x)
    source = rng.choice(["molar_volume", "density", "Th", "Ph"])
    if program == "density":
        # A carbonic phase that is homogeneous at melting: homogenised below
        # Tm, a liquid denser or a vapour lighter than the saturated phases.
        tm = round(rng.uniform(2, 9.5), 1)
        phase = rng.choice(["liquid", "liquid", "vapour"])
        liquid = phase == "liquid"
        value = {
            "molar_volume": round(rng.uniform(45, 51) if liquid else rng.uniform(320, 800), 1),
            "density": round(rng.uniform(0.86, 0.98) if liquid else rng.uniform(0.05, 0.14), 3),
            "Th": round(rng.uniform(-15, tm - 1), 1),
            "Ph": round(rng.uniform(2.5, 4.2), 2),
        }[source]
    else:
        # Q2 melting: liquid and vapour at Tm, homogenised into the liquid above it.
        tm = round(rng.uniform(5, 9.5), 1)
        value = {
            "molar_volume": round(rng.uniform(55, 63), 1),
            "density": round(rng.uniform(0.70, 0.80), 3),
            "Th": round(rng.uniform(max(tm + 2, 15), 28), 1),
            "Ph": round(rng.uniform(5.3, 6.4), 2),
        }[source]
        phase = "liquid"
    volume = round(rng.uniform(10, 80), 0) if rng.random() < 0.5 else ""
    limit = "y" if k % 3 == 0 else rng.choice(["n", ""])
    cells = [f"fi{k:04d}", program, tm, clath, *x, source, value, phase, vapour or "",
             *salts(rng), volume, limit, f"sample {1 + k // 50}"]
    return ",".join(str(c) for c in cells)


def main():
    rows = int(sys.argv[1])
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 12)
    print(HEADER)
    for k in range(1, rows + 1):
        print(row(rng, k))


main()
