// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// std::fmod(x, size) for a whole size from 1 to below 2^53, as a compound quantity's parts
/// are counted, exact as fmod is, at the cost of a division: the C library's fmod takes a
/// step per bit between the two. Below 2^52 the floored quotient is corrected once; an x of
/// 2^53 or more is a whole number m × 2^e, whose remainder is taken in integers
/// (m × (2^e mod size) mod size), so a quantity of 10^250 inches is split as fast as one of 10.
double wholeRemainder(double x, double size);

}  // namespace vardeln
