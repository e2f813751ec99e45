// Vardeln — MIT licence, see LICENSE.
// Text to double and back through the C library, for C++ libraries without the
// floating-point std::from_chars and std::to_chars.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "decimal_text.h"
#include "number_text.h"

namespace vardeln {

DecimalReading readDecimalPortable(std::string_view text, double& value) {
  if (!hasDecimalCharacters(text)) return DecimalReading::Malformed;
  const std::string terminated(text);  // strtod needs a terminating NUL
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(terminated.c_str(), &end);
  if (end != terminated.c_str() + terminated.size()) return DecimalReading::Malformed;
  if (std::isinf(read) || (read == 0.0 && errno == ERANGE)) return DecimalReading::OutOfRange;
  value = read;
  return DecimalReading::Value;
}

char* writeDecimalPortable(double value, char* out) {
  char buffer[kMaxFormattedLength + 1];  // and the NUL snprintf adds
  const int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::memcpy(out, buffer, static_cast<std::size_t>(length));
  return out + length;
}

}  // namespace vardeln
