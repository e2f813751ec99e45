# Vardeln — MIT licence, see LICENSE.
# Every conversion rule must round exactly as written, so the compiler may neither fuse a
# multiply and an add nor reassociate, whatever flags a packager adds.
add_library(vardeln_options INTERFACE)
target_compile_options(vardeln_options INTERFACE
  -ffp-contract=off -fno-fast-math
  -Wall -Wextra -Wpedantic)

# Our own builds (presets, scripts, CI) stop on any warning; a packager's build with a newer
# compiler must not fail on a warning we have not seen yet.
option(VARDELN_WERROR "Treat compiler warnings as errors" OFF)
if(VARDELN_WERROR)
  target_compile_options(vardeln_options INTERFACE -Werror)
  # g++ 12 at -O3 warns of an overlap in std::string::insert that cannot happen (GCC bug
  # 105651, fixed in 13); the warning still shows, but stops no build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(vardeln_options INTERFACE -Wno-error=restrict)
  endif()
endif()

# A converter is handed whatever people paste into it: this build makes every memory error
# and every undefined operation stop the program at once instead of passing unnoticed.
# g++ leaves a double converted to an integer it cannot hold out of "undefined"; that is the
# undefined operation a numeric program is most likely to meet, so it is asked for by name.
option(VARDELN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VARDELN_SANITIZE)
  set(sanitizer_flags -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  target_compile_options(vardeln_options INTERFACE ${sanitizer_flags})
  target_link_options(vardeln_options INTERFACE ${sanitizer_flags})
endif()

# Coverage-guided fuzzing of everything that reads outside input; needs clang.
option(VARDELN_FUZZ "Build only the fuzz targets" OFF)
if(VARDELN_FUZZ)
  set(fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  target_compile_options(vardeln_options INTERFACE ${fuzz_flags})
  target_link_options(vardeln_options INTERFACE -fsanitize=address,undefined)
endif()

# The builds that hunt faults also have the C++ library check its own preconditions: an empty
# std::optional dereferenced, an index past a vector's end. The sanitizers see neither.
if(VARDELN_SANITIZE OR VARDELN_FUZZ)
  target_compile_definitions(vardeln_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()

# Which lines of the engine, the converter model and the command line the tests run.
option(VARDELN_COVERAGE "Build with gcov's line counters" OFF)
if(VARDELN_COVERAGE)
  target_compile_options(vardeln_options INTERFACE --coverage)
  target_link_options(vardeln_options INTERFACE --coverage)
endif()
