#pragma once

// x / |x|, and +1 for zero (negative zero included).
double SignOf(double x);

// Bring an angle into [0, 2·PI] by whole turns of 2·PI. Non-finite input comes
// back as 0 so that a broken state can never hang the caller.
double WrapAngle(double radians);

// The same in degrees, into [0, 360].
double WrapAngleDeg(double degrees);

// Compass heading in degrees [0, 360) of a mathematical heading given in radians.
double CompassHeadingDeg(double headingRad);
