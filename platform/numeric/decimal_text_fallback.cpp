// Vardeln — MIT licence, see LICENSE.
// For C++ libraries that cannot read or write a double themselves: the portable path is the
// only one.
#include "decimal_text.h"

namespace vardeln {

DecimalReading readDecimal(std::string_view text, double& value) {
  return readDecimalPortable(text, value);
}

char* writeDecimal(double value, int significantDigits, char* out) {
  return writeDecimalPortable(value, significantDigits, out);
}

char* writeDecimal(double value, DecimalForm form, int decimals, char* out) {
  return writeDecimalPortable(value, form, decimals, out);
}

char* writeShortest(double value, char* out) { return writeShortestPortable(value, out); }

}  // namespace vardeln
