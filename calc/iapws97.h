// The saturation line of water by IAPWS-IF97, region 4: the saturation pressure at a
// temperature and the saturation temperature at a pressure, in SI units.
#pragma once

namespace calc::iapws97 {

// Ps(T), MPa, by the saturation-pressure equation (IF97 eq. 30); T in K. Valid from
// 273.15 K to the critical 647.096 K; below it the curve is carried on as the dew point
// of a dry flue gas needs.
double SaturationPressure(double temperature_k);

// Ts(p), K, by the saturation-temperature equation (IF97 eq. 31); p in MPa. Valid from
// 611.213 Pa to the critical 22.064 MPa.
double SaturationTemperature(double pressure_mpa);

}  // namespace calc::iapws97
