// IAPWS-IF97 region 4: the coefficients n1..n10 of Table 34 of the Revised Release on the
// IAPWS Industrial Formulation 1997, and its equations 30 and 31 with p* = 1 MPa, T* = 1 K.
#include "calc/iapws97.h"

#include <cmath>

namespace calc::iapws97 {

namespace {

constexpr double n1 = 0.11670521452767e4;
constexpr double n2 = -0.72421316703206e6;
constexpr double n3 = -0.17073846940092e2;
constexpr double n4 = 0.12020824702470e5;
constexpr double n5 = -0.32325550322333e7;
constexpr double n6 = 0.14915108613530e2;
constexpr double n7 = -0.48232657361591e4;
constexpr double n8 = 0.40511340542057e6;
constexpr double n9 = -0.23855557567849;
constexpr double n10 = 0.65017534844798e3;

}  // namespace

double SaturationPressure(double temperature_k) {
  // ϑ = T + n9 / (T − n10); A, B, C the quadratic of eq. 29 in β = p^(1/4).
  const double theta = temperature_k + n9 / (temperature_k - n10);
  const double a = theta * theta + n1 * theta + n2;
  const double b = n3 * theta * theta + n4 * theta + n5;
  const double c = n6 * theta * theta + n7 * theta + n8;
  const double beta = 2 * c / (-b + std::sqrt(b * b - 4 * a * c));
  return std::pow(beta, 4);
}

double SaturationTemperature(double pressure_mpa) {
  // β = p^(1/4); E, F, G the quadratic of eq. 29 in ϑ.
  const double beta = std::pow(pressure_mpa, 0.25);
  const double e = beta * beta + n3 * beta + n6;
  const double f = n1 * beta * beta + n4 * beta + n7;
  const double g = n2 * beta * beta + n5 * beta + n8;
  const double d = 2 * g / (-f - std::sqrt(f * f - 4 * e * g));
  return (n10 + d - std::sqrt((n10 + d) * (n10 + d) - 4 * (n9 + n10 * d))) / 2;
}

}  // namespace calc::iapws97
