#include "datagen/SynthMath.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pp::datagen {

namespace {

constexpr double kTwoPi = 6.283185307179586476925;
constexpr double kLn2 = 0.6931471805599453094172;

// The Taylor coefficients 1 / k! for k = 0..n, each a correctly rounded quotient.
template <int N>
constexpr std::array<double, N + 1> InverseFactorials() {
  std::array<double, N + 1> c{};
  double factorial = 1;
  for (int k = 0; k <= N; ++k) {
    if (k > 0) factorial *= k;  // exact up to 22!
    c[k] = 1 / factorial;
  }
  return c;
}
constexpr auto kInverseFactorials = InverseFactorials<21>();

// sin(x) for |x| <= π/2: odd terms up to x^21, the first left out below 2e-18.
double SinQuarter(double x) {
  const double x2 = x * x;
  double sum = 0;
  for (int k = 21; k >= 3; k -= 2) sum = (sum + (k % 4 == 1 ? 1 : -1) * kInverseFactorials[k]) * x2;
  return x + sum * x;
}

// e^x for |x| <= ln 2 / 2: terms up to x^14, the first left out below 1e-19.
double ExpHalfLn2(double x) {
  double sum = 0;
  for (int k = 14; k >= 1; --k) sum = (sum + kInverseFactorials[k]) * x;
  return 1 + sum;
}

}  // namespace

double SinTurns(double turns) {
  double p = turns - std::floor(turns);  // [0, 1)
  if (p > 0.5) p -= 1;                   // (-0.5, 0.5], exact
  if (p > 0.25)
    p = 0.5 - p;  // sin(π - a) = sin(a); exact
  else if (p < -0.25)
    p = -0.5 - p;
  return SinQuarter(p * kTwoPi);
}

double TableSine(double phase) {
  constexpr int kSteps = 4096;
  static const std::array<double, kSteps + 1> kTable = [] {
    std::array<double, kSteps + 1> table{};
    for (int k = 0; k <= kSteps; ++k) table[k] = SinTurns(static_cast<double>(k) / kSteps);
    return table;
  }();
  const double at = phase * kSteps;
  const int k = std::clamp(static_cast<int>(at), 0, kSteps - 1);
  return kTable[k] + (kTable[k + 1] - kTable[k]) * (at - k);
}

double Exp2(double x) {
  const double whole = std::floor(x + 0.5);
  return std::ldexp(ExpHalfLn2((x - whole) * kLn2), static_cast<int>(whole));
}

double Log2(double x) {
  int exponent = 0;
  double m = std::frexp(x, &exponent);  // [0.5, 1)
  if (m < 0.7071067811865476) {
    m *= 2;
    --exponent;
  }
  // ln m = 2 atanh(s) = 2 (s + s^3/3 + s^5/5 + ...) with |s| <= 0.172: terms up to s^23.
  const double s = (m - 1) / (m + 1), s2 = s * s;
  double sum = 0;
  for (int k = 23; k >= 3; k -= 2) sum = (sum + 1.0 / k) * s2;
  return exponent + 2 * (s + sum * s) / kLn2;
}

}  // namespace pp::datagen
