// Vardeln — MIT licence, see LICENSE.
// The JSON string writer with whatever bytes: it stays within its bound, its output is one
// valid JSON string of well-formed UTF-8, text without broken UTF-8 reads back unchanged, and
// writing what was read back gives the same JSON again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "json_text.h"

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const std::size_t bound = vardeln::cli::jsonStringBound(text.size());
  std::string json(bound, '\0');
  const char* end = vardeln::cli::writeJsonString(text, json.data());
  require(end >= json.data() && end <= json.data() + bound, "wrote beyond its bound");
  json.resize(static_cast<std::size_t>(end - json.data()));

  const nlohmann::json read = nlohmann::json::parse(json, nullptr, false);
  require(read.is_string(), "not one valid JSON string");

  // Text is well-formed UTF-8 when dropping and replacing its ill-formed bytes change nothing.
  using Errors = nlohmann::json::error_handler_t;
  const nlohmann::json original = std::string(text);
  const bool wellFormed = original.dump(-1, ' ', false, Errors::ignore) ==
                          original.dump(-1, ' ', false, Errors::replace);
  require(!wellFormed || read == original, "well-formed text did not read back unchanged");

  std::string again;
  vardeln::cli::appendJsonString(again, read.get_ref<const std::string&>());
  require(again == json, "the text read back gives other JSON");
  return 0;
}
