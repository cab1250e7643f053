#!/usr/bin/env bash
# Wall time of complete runs of the density program on scripted inputs: the
# slow paths (limit checks, the Duan et al. 1992 and 1996 and Lee & Kesler
# equations, a bubble-point search that uses all its 10000 passes) and a set of
# ordinary dialogues. Each run is repeated (default 5 times); the best and the
# median wall time are printed in milliseconds against the run's target, and
# at the end the median of the best times over the ordinary dialogues (all but
# the exhausted search) against its own target.
#
# Usage: tools/time_density.sh [path/to/density] [repeats]
# (default: build/default/density, built with `cmake --build --preset default`).
# Exit status 1 when a target is missed, 2 without a program, 1 when a run
# does not reach "End of program".
set -euo pipefail

# Answers in dialogue order: melting T (C), clathrate EoS (1 Chueh & Prausnitz,
# 2 Soave, 3 Lee & Kesler, 4 Peng & Robinson, 5 Duan 1992, 6 Duan 1996),
# x(CO2) x(CH4) x(N2) x(C2H6), density source (1 molar volume, 2 density,
# 3 Th, 4 Ph), its value, nature/mode, [vapour EoS of a mixture: 1 Redlich &
# Kwong, 2 Chueh & Prausnitz, 3 Soave, 4 Lee & Kesler, 5 Peng & Robinson,
# 6 Holloway, 7 Bowers & Helgeson, 8 Duan 1992, 9 Thiery, 10 Duan 1996],
# salts NaCl KCl CaCl2 MgCl2 (%), volume fraction (y and %, or n), file name,
# [bubble/dew-point restart, for a mixture by Th or Ph], continue, limit check.
# Each entry: target in ms | name | answers.
runs=(
  "50|pure CO2 by molar volume|5 3 1 0 0 0 1 50 2 100 0 0 0 y 30 run.txt y n"
  "50|CO2-CH4-N2 by Th, Lee & Kesler|8 3 0.8 0.15 0.05 0 3 0 2 4 100 0 0 0 y 30 run.txt n y n"
  "50|CO2-CH4-N2 by Th, Lee & Kesler, limit check|8 3 0.8 0.15 0.05 0 3 0 2 4 100 0 0 0 y 30 run.txt n y y"
  "50|pure CO2 by density, Soave, limit check|5 2 1 0 0 0 2 0.8 2 100 0 0 0 y 30 run.txt y y"
  "50|pure CO2 above max. Tm, Duan 1996, limit check|15 6 1 0 0 0 1 50 1 100 0 0 0 y 30 run.txt y y"
  "50|CO2-CH4-N2 by Th=0, Lee & Kesler/Soave, limit|8 2 0.8 0.15 0.05 0 3 0 2 4 100 0 0 0 y 30 run.txt n y y"
  "50|CO2-CH4 by Th, Duan 1992, limit check|10 5 0.9 0.1 0 0 3 5 2 8 80 20 0 0 n run.txt n y y"
  "50|CO2-CH4-N2-C2H6 by Ph, Duan 1996/Lee & Kesler|5 3 0.6 0.2 0.1 0.1 4 7 1 10 90 0 10 0 y 40 run.txt n y n"
  "50|pure CH4 by Th, four salts|5 1 0 1 0 0 3 -90 2 60 20 10 10 n run.txt y n"
  "50|CO2-N2 by molar volume, Peng & Robinson|3 4 0.9 0 0.1 0 1 60 1 5 100 0 0 0 y 20 run.txt y n"
  "50|CO2-CH4 by density, Chueh & Prausnitz|7 1 0.95 0.05 0 0 2 0.7 2 2 80 10 5 5 y 50 run.txt y n"
  "50|CO2-CH4 by Th, Lee & Kesler, liquid root|14 2 0.97 0.03 0 0 3 13 2 4 100 0 0 0 y 30 run.txt n y n"
  "500|CO2-CH4 by Th, Bowers & Helgeson, 10000 passes|14 2 0.6 0.4 0 0 3 0 2 7 100 0 0 0 y 30 run.txt n y n"
)
median_target=20

source "$(dirname "$0")/time_runs.sh"
time_program density "$@"
