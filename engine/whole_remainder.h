// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// std::fmod(x, size) for a whole size from 1 to below 2^53, as a compound quantity's parts
/// are counted, exact as fmod is. An x of 2^53 or more is a whole number m × 2^e, whose
/// remainder is taken in integers (m × (2^e mod size) mod size) in a step per bit of e's
/// length, where the C library's fmod takes a step per bit of e: a quantity of 10^250 inches is
/// split as fast as one of 10.
double wholeRemainder(double x, double size);

}  // namespace vardeln
