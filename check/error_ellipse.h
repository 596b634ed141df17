// The standard error ellipse of a point from its 2x2 covariance matrix. x north,
// y east; the azimuth of the major axis turns clockwise from north, in degrees,
// 0 <= azimuth < 180. Semi-axes in the square root of the covariance's unit.
#pragma once

namespace velmora {

struct ErrorEllipse {
  double a = 0.0;        ///< semi-major axis
  double b = 0.0;        ///< semi-minor axis
  double azimuth = 0.0;  ///< of the major axis, degrees; 0 for a circle
};

/// From the variances of x and y and their covariance (a positive semidefinite matrix).
ErrorEllipse errorEllipse(double varianceX, double varianceY, double covarianceXY);

}  // namespace velmora
