#!/usr/bin/env bash
# Wall time of complete runs of the quadruple-point program on scripted
# inputs: pure CO2 and C2H6 on their saturation curves, mixtures split by the
# liquid-vapour flash, the Thiery et al. (1994) volumes, and the limit check
# with typed temperatures. Each run is repeated (default 5 times); the best
# and the median wall time are printed in milliseconds against the target.
#
# Usage: tools/time_fourphase.sh [path/to/fourphase] [repeats]
# (default: build/default/fourphase, built with `cmake --build --preset default`).
# Exit status 1 when a target is missed, 2 without a program, 1 when a run
# does not reach "End of program".
set -euo pipefail

# Answers in dialogue order: melting T (C), clathrate EoS, x(CO2) x(CH4) x(N2)
# x(C2H6), density source, [vapour EoS of a mixture], its value, mode,
# [bubble/dew-point restart], salts NaCl KCl CaCl2 MgCl2 (%), volume fraction,
# file name, limit check [y, then for each pass of the flash its restart
# answer, whether to change the temperature and the new one], [flash restart].
# Each entry: target in ms | name | answers.
runs=(
  "100|pure CO2 by Th|8 1 1 0 0 0 3 20 2 100 0 0 0 y 30 run.txt n"
  "100|pure CO2 by Th, limit check|8 1 1 0 0 0 3 20 2 100 0 0 0 y 30 run.txt y y 10 y 9.9 n"
  "100|pure C2H6 by Th, Soave|8 2 0 0 0 1 3 20 2 80 0 20 0 n run.txt n"
  "100|CO2-CH4 by molar volume, Peng & Robinson, limit|8 1 0.9 0.1 0 0 1 5 100 1 100 0 0 0 y 30 run.txt y n y 10 n y 9 n n n"
  "100|CO2-CH4 by Th, Thiery et al.|8 1 0.9 0.1 0 0 3 9 15 1 n 100 0 0 0 n run.txt n n"
)
median_target=100

source "$(dirname "$0")/time_runs.sh"
time_program fourphase "$@"
