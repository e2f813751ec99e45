# Vardeln — MIT licence, see LICENSE.
# GoogleTest executables, for the normal builds (tests/CMakeLists.txt) and the Windows stage
# (tests/windows), which builds GoogleTest itself.
include(GoogleTest)

# Helpers that several test executables share: exact double comparison, hostile text
# samples and the Qt event loop around GoogleTest.
add_library(vardeln_test_support INTERFACE)
target_include_directories(vardeln_test_support INTERFACE ${CMAKE_CURRENT_LIST_DIR}/support)
# g++ 12 at -O3 warns of an overlapping copy inside libstdc++ wherever a test names its cases
# with "text" + std::string (GCC bug 105651, mended in g++ 13). Tests build such names
# everywhere; the program's own code keeps the warning.
target_compile_options(vardeln_test_support INTERFACE
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)

# A GoogleTest executable registered test by test with CTest, as ROOM.Suite.Case under the
# given label, and optionally TIMEOUT seconds for each test. Listing its tests may take
# seconds where it runs under wine.
function(vardeln_test name room label)
  cmake_parse_arguments(PARSE_ARGV 3 test "" "TIMEOUT" "")
  add_executable(${name} ${test_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main vardeln_test_support vardeln_options)
  set(properties LABELS ${label})
  if(test_TIMEOUT)
    list(APPEND properties TIMEOUT ${test_TIMEOUT})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX ${room}. DISCOVERY_TIMEOUT 120
    PROPERTIES ${properties})
endfunction()
