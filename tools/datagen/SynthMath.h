#pragma once
// The elementary functions of the synthesiser, computed the same to the last bit on every
// platform: the C libraries' sin, exp and log may round differently (glibc against the browser
// build's libc), so these use only IEEE double +, -, *, / in a fixed order and the exact
// operations floor, frexp and ldexp. The library is compiled without fused multiply-add.

namespace pp::datagen {

// sin(2π · turns) for a finite `turns`: one turn is a whole cycle.
double SinTurns(double turns);

// sin(2π · phase) for `phase` in [0, 1), from a table of 4096 steps linearly interpolated:
// within 3e-7 of the exact value, at a fraction of the cost of SinTurns.
double TableSine(double phase);

// 2 to the power `x` for |x| below 1000; exact for whole `x`.
double Exp2(double x);

// The base-2 logarithm of `x` > 0.
double Log2(double x);

}  // namespace pp::datagen
