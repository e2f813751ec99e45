// Vardeln — MIT licence, see LICENSE.
// Boost's failures where nothing may throw. The exact arithmetic never divides by zero or
// shifts by a negative count, so reaching here is a fault in the program: stop.
#include <boost/throw_exception.hpp>
#include <cstdlib>
#include <exception>

namespace boost {

void throw_exception(const std::exception&) { std::abort(); }
void throw_exception(const std::exception&, const source_location&) { std::abort(); }

}  // namespace boost
