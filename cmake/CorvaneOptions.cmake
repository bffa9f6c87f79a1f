# Flags every target of the project shares, in one place.
add_library(corvane_options INTERFACE)
target_compile_features(corvane_options INTERFACE cxx_std_20)
if(MSVC)
  # GCC's and Clang's warnings are the ones kept at zero; MSVC gets its usual high level, reads
  # the sources as UTF-8 and follows the standard closely.
  target_compile_options(corvane_options INTERFACE /W4 /permissive- /utf-8 /Zc:__cplusplus)
else()
  target_compile_options(corvane_options INTERFACE -Wall -Wextra -Wpedantic -Wconversion
                         -Wsign-conversion -Wold-style-cast -Wshadow -Wnon-virtual-dtor
                         -Woverloaded-virtual -Werror)
endif()
set(CMAKE_CXX_EXTENSIONS OFF)

# Every target that uses Qt: no implicit conversions between QString and 8-bit strings, no
# macros named like ordinary words, and no connection without a receiver to end it.
add_library(corvane_qt_options INTERFACE)
target_compile_definitions(corvane_qt_options INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                                                        QT_NO_KEYWORDS QT_NO_CONTEXTLESS_CONNECT)
target_link_libraries(corvane_qt_options INTERFACE corvane_options)

# Registers a GoogleTest executable's cases with CTest. A cross-built suite runs as one test
# under the target's emulator (Wine), since starting the emulator once per case is slow; such
# suites carry the label "cross", by which the cross-build's test preset selects them.
function(corvane_register_tests name)
  cmake_parse_arguments(ARG "" "TEST_PREFIX" "" ${ARGN})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${ARG_TEST_PREFIX}${name} COMMAND ${name})
    set_tests_properties(${ARG_TEST_PREFIX}${name} PROPERTIES LABELS cross)
  else()
    gtest_discover_tests(${name} TEST_PREFIX "${ARG_TEST_PREFIX}" DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Adds a GoogleTest executable for one subsystem and registers its cases with CTest.
function(corvane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main corvane_options)
  # A test stands above what it tests and may include any of the project's headers.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  # GoogleTest's header is the largest part of every case file; parsed once per suite.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h>)
  corvane_register_tests(${name})
endfunction()

# The version both programs print, from project(); included as "corvane/version.h".
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${PROJECT_BINARY_DIR}/generated/corvane/version.h
               @ONLY)
add_library(corvane_version INTERFACE)
target_include_directories(corvane_version INTERFACE ${PROJECT_BINARY_DIR}/generated
                                                    ${PROJECT_SOURCE_DIR})
