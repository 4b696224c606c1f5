# Shared build settings for every target of the project.

if(WIN32)
  enable_language(RC)
  # Link the C and C++ runtimes and winpthread statically so the programs
  # need nothing beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # The version that the programs' resource scripts carry, from project().
  set(VELMORA_VERSION_HEADER "${CMAKE_BINARY_DIR}/generated/velmora_version.h")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/velmora_version.h.in" "${VELMORA_VERSION_HEADER}" @ONLY)
  include_directories("${CMAKE_BINARY_DIR}/generated")
else()
  option(VELMORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
  if(VELMORA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
  endif()
  # The fuzz preset (clang): every object reports its coverage to libFuzzer.
  option(VELMORA_FUZZ "Build the libFuzzer programs of the input readers (clang only)" OFF)
  if(VELMORA_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()

add_compile_options(-Wall -Wextra)

# The names the programs, the setup and the tests agree on.
include("${CMAKE_CURRENT_LIST_DIR}/contract.cmake")

# Where the shipped programs go: build/windows/dist.
set(VELMORA_DIST_DIR "${CMAKE_BINARY_DIR}/dist")

# velmora_core_library(name sources...): a platform-free static library.
function(velmora_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
endfunction()

# velmora_cp932_texts(target headers...): the Japanese texts of a library,
# written as readable UTF-8 in "<name>.h.in" beside its sources, compiled as
# the code page 932 bytes the platform's ANSI functions take. Each becomes
# "<name>.h" under build/<preset>/cp932, at the same path as its source, so
# it is included as if it lay beside it. The target velmora_generated_headers
# makes them all: all that clang-tidy needs of a build before it checks it.
find_program(VELMORA_ICONV iconv REQUIRED)
set(VELMORA_CP932_DIR "${CMAKE_BINARY_DIR}/cp932")
add_custom_target(velmora_generated_headers)
function(velmora_cp932_texts target)
  set(headers)
  foreach(input IN LISTS ARGN)
    file(RELATIVE_PATH header "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}/${input}")
    string(REGEX REPLACE "\\.in$" "" header "${header}")
    add_custom_command(
      OUTPUT "${VELMORA_CP932_DIR}/${header}"
      COMMAND "${CMAKE_COMMAND}" "-DICONV=${VELMORA_ICONV}"
              "-DINPUT=${CMAKE_CURRENT_SOURCE_DIR}/${input}"
              "-DOUTPUT=${VELMORA_CP932_DIR}/${header}"
              -P "${PROJECT_SOURCE_DIR}/cmake/cp932_header.cmake"
      DEPENDS "${input}" "${PROJECT_SOURCE_DIR}/cmake/cp932_header.cmake"
      COMMENT "Code page 932 texts: ${header}"
      VERBATIM)
    target_sources(${target} PRIVATE "${VELMORA_CP932_DIR}/${header}")
    list(APPEND headers "${VELMORA_CP932_DIR}/${header}")
  endforeach()
  add_custom_target(${target}_cp932_texts DEPENDS ${headers})
  add_dependencies(velmora_generated_headers ${target}_cp932_texts)
  target_include_directories(${target} PUBLIC "${VELMORA_CP932_DIR}")
endfunction()

# velmora_program(target file-name sources...): a shipped GUI program, its
# file name one of the run contract's.
function(velmora_program target file_name)
  add_executable(${target} WIN32 ${ARGN})
  get_filename_component(output_name "${file_name}" NAME_WLE)
  get_filename_component(suffix "${file_name}" LAST_EXT)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME "${output_name}"
    SUFFIX "${suffix}"
    RUNTIME_OUTPUT_DIRECTORY "${VELMORA_DIST_DIR}")
  target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}")
endfunction()

if(NOT WIN32)
  find_package(GTest REQUIRED)
  find_package(benchmark QUIET)
else()
  # GoogleTest built from the sources Debian's googletest package installs.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
  # Test code needs no more than -O1: the shipped code under test keeps the
  # build type's optimisation.
  foreach(library gtest gtest_main gmock gmock_main)
    target_compile_options(${library} PRIVATE -O1)
  endforeach()
endif()

# velmora_test(name sources...): a GoogleTest program. Natively each case is
# its own CTest test; cross-built programs run whole under Wine (one Wine start
# per program keeps the layer fast), each in a Wine prefix of its own so that
# they can run side by side.
#
# A program's test files compile as one translation unit (a unity build):
# GoogleTest's and GoogleMock's headers are read, and their templates
# instantiated, once a program instead of once a file, and clang-tidy checks
# the files through the same unit. So a name one test file declares in a
# namespace, an anonymous one too, is seen by the program's other files: two
# files cannot both have a kPlaces. Under the sanitizers the tests themselves
# build with -Og, the code they test with the build type's optimisation (the
# native preset's -O1), both with line tables only: enough for the
# sanitizers' reports. Cross-built, the tests build with -O1 and the code
# they test as shipped.
function(velmora_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
  if(VELMORA_SANITIZE)
    target_compile_options(${name} PRIVATE -Og -g1)
  elseif(WIN32)
    target_compile_options(${name} PRIVATE -O1)
  endif()
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "wine" TIMEOUT 300
      ENVIRONMENT "VELMORA_WINEPREFIX=${CMAKE_BINARY_DIR}/test-wineprefixes/${name}")
  else()
    include(GoogleTest)
    gtest_discover_tests(${name} PROPERTIES LABELS "native")
  endif()
endfunction()

# velmora_fuzz_target(name sources...): a fuzz target, an input reader driven
# through LLVMFuzzerTestOneInput, its seed inputs in tests/fuzz/corpus/<name>.
# The fuzz preset links it with libFuzzer (scripts/fuzz runs it); every other
# native build links it with a program that runs it once on each seed under
# the sanitizers, a CTest test.
if(NOT WIN32)
  add_custom_target(velmora_fuzz_targets)
endif()
function(velmora_fuzz_target name)
  set(seeds "${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name}")
  if(VELMORA_FUZZ)
    add_executable(${name} ${ARGN})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(velmora_fuzz_targets ${name})
  else()
    add_executable(${name} ${ARGN} "${PROJECT_SOURCE_DIR}/tests/fuzz/replay_inputs.cpp")
    add_test(NAME ${name}_seeds COMMAND ${name} "${seeds}")
    set_tests_properties(${name}_seeds PROPERTIES LABELS "native")
  endif()
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
endfunction()
