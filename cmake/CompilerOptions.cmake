# Every conversion rule must round exactly as written, so the compiler may neither fuse a
# multiply and an add nor reassociate. Our own targets also build with warnings as errors.
add_library(vardeln_options INTERFACE)
target_compile_options(vardeln_options INTERFACE
  -ffp-contract=off -fno-fast-math
  -Wall -Wextra -Wpedantic -Werror)
target_include_directories(vardeln_options INTERFACE ${PROJECT_SOURCE_DIR})
