# Vardeln — MIT licence, see LICENSE.
# The native vardeln-convert (and, with TESTS, its process tests) that a cross build compares
# its own program with, built from the same sources inside this build's folder, in native/:
# the web and Windows builds stand alone and reach into no other build.
#   vardeln_native_command_line([TESTS])
# sets VARDELN_NATIVE_DIR to that build's folder and adds the target native_command_line.
include(ExternalProject)
function(vardeln_native_command_line)
  cmake_parse_arguments(PARSE_ARGV 0 native "TESTS" "" "")
  set(native_dir ${CMAKE_BINARY_DIR}/native)
  if(native_TESTS)
    set(testing ON)
  else()
    set(testing OFF)
  endif()
  # No toolchain file is passed on: the host's compiler builds it.
  ExternalProject_Add(native_command_line
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${native_dir}
    PREFIX ${CMAKE_BINARY_DIR}/native-steps
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVARDELN_COMMAND_LINE_ONLY=ON
               -DBUILD_TESTING=${testing} -DVARDELN_WERROR=${VARDELN_WERROR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  set(VARDELN_NATIVE_DIR ${native_dir} PARENT_SCOPE)
endfunction()
