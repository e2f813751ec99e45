// Vardeln — MIT licence, see LICENSE.
// A conversion of whatever text the number box might hold, between any two units of any
// category (the first three bytes choose them): no crash, no undefined behaviour, one of the
// three outcomes, and "Invalid Number" exactly when the text is not a number.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "categories.h"
#include "conversion.h"
#include "number_text.h"

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size < 3) return 0;
  const auto& categories = vardeln::allCategories();
  const vardeln::Category& category = categories[bytes[0] % categories.size()];
  const std::size_t from = bytes[1] % category.rules().size();
  const std::size_t to = bytes[2] % category.rules().size();
  const std::string_view input(reinterpret_cast<const char*>(bytes + 3), size - 3);

  const vardeln::Conversion conversion = vardeln::convert(category, from, to, input);
  const std::string text = vardeln::resultText(conversion);
  require(!text.empty(), "an empty result text");
  switch (conversion.outcome) {
    case vardeln::Conversion::Outcome::InvalidNumber:
      require(!vardeln::isNumber(input), "Invalid Number for a number");
      break;
    case vardeln::Conversion::Outcome::Result:
      require(vardeln::isNumber(input), "a result for a text that is no number");
      break;
    case vardeln::Conversion::Outcome::Fault:
      require(conversion.fault != vardeln::FloatingPointFault::None, "a fault without a name");
      break;
    default:
      require(false, "an outcome of no known kind");
  }
  return 0;
}
