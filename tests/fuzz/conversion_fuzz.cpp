// Vardeln — MIT licence, see LICENSE.
// A whole recalculation with whatever the boxes and lists might hold: no crash, no
// undefined behaviour, one of the three outcomes, and "Invalid Number" exactly when the
// input is not a number.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// Cuts the next field off the front of the data, up to a 0x1F byte (the unit separator).
std::string_view nextField(std::string_view& data) {
  const std::size_t end = data.find('\x1F');
  const std::string_view field = data.substr(0, end);
  data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
  return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0) return 0;
  const auto& categories = vardeln::allCategories();
  const std::size_t choice = bytes[0] % (categories.size() + 1);
  const vardeln::Category* checked = choice < categories.size() ? &categories[choice].get() : nullptr;

  std::string_view data(reinterpret_cast<const char*>(bytes + 1), size - 1);
  const std::string_view input = nextField(data);
  std::string_view source = nextField(data);
  std::string_view target = nextField(data);
  // A leading digit picks a real label, so the fuzzer reaches the rules without guessing.
  if (checked != nullptr) {
    const auto& labels = checked->labels();
    if (source.size() == 1) source = labels[static_cast<unsigned char>(source[0]) % labels.size()];
    if (target.size() == 1) target = labels[static_cast<unsigned char>(target[0]) % labels.size()];
  }

  const vardeln::ConversionOutcome outcome = vardeln::runConversion(checked, input, source, target);
  const bool invalid = outcome.kind == vardeln::ConversionOutcome::Kind::Write &&
                       outcome.text == vardeln::kInvalidNumber;
  require(invalid == !vardeln::isNumber(input), "Invalid Number shown for a number or missing");
  switch (outcome.kind) {
    case vardeln::ConversionOutcome::Kind::Write:
      require(!outcome.text.empty(), "an empty result was written");
      break;
    case vardeln::ConversionOutcome::Kind::LeaveUnchanged:
      require(checked == nullptr || vardeln::findRule(*checked, target) == nullptr,
              "a matched target left the result unchanged");
      break;
    case vardeln::ConversionOutcome::Kind::Fault:
      require(outcome.fault != vardeln::FloatingPointFault::None, "a fault without a name");
      break;
    default:
      require(false, "an outcome of no known kind");
  }
  return 0;
}
