// Windows builds only: MinGW-w64's acosh computes log(x + sqrt(x*x - 1)),
// which cancels near 1 and loses thousands of units in the last place there
// (acosh(1.0000001) is wrong from the 13th digit on). This definition takes
// its place at link time, so results match other systems' to the last digit.
#include <math.h>

extern "C" double acosh(double x) {
    if (!(x >= 1.0)) return NAN;  // below 1, and NaN itself
    if (x > 1e8) return log(x) + 0.69314718055994530942;  // log 2; x*x would overflow
    double t = x - 1.0;  // exact for x < 2
    if (t < 1.0) return log1p(t + sqrt(2.0 * t + t * t));
    return log(x + sqrt(x * x - 1.0));
}
