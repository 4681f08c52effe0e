# Helpers that turn a folder of sources into a library, a tool or a test program.
# Sources are globbed so that adding a file needs no edit of a CMakeLists.txt.

# cd_subsystem(NAME folder DEPS lib...) : static library cd_<folder> from src/<folder>/*.cpp
function(cd_subsystem folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(srcs)
    add_library(cd_${folder} STATIC ${srcs})
    target_include_directories(cd_${folder} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(cd_${folder} PUBLIC ${ARG_DEPS})
  else()
    add_library(cd_${folder} INTERFACE)
    target_include_directories(cd_${folder} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(cd_${folder} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# cd_unit_tests(folder DEPS lib...) : test program test_<folder> from tests/unit/<folder>/*.cpp
function(cd_unit_tests folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/unit/${folder}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(test_${folder} ${srcs})
  target_include_directories(test_${folder} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(test_${folder} PRIVATE ${ARG_DEPS} cd_testsupport GTest::gtest_main)
  add_test(NAME ${folder} COMMAND test_${folder})
  # CDRUN_ROOT keeps the POSIX drive map of the tests (drive C: and the rest) in the build.
  set_tests_properties(${folder} PROPERTIES ENVIRONMENT
                       "CD_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data;CDRUN_ROOT=${CMAKE_BINARY_DIR}/cdrun-root"
                       TIMEOUT 300)
endfunction()

# cd_fuzzer(name source DEPS lib...) : libFuzzer target fuzz_<name>
function(cd_fuzzer name source)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  add_executable(fuzz_${name} ${source})
  target_link_libraries(fuzz_${name} PRIVATE ${ARG_DEPS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endfunction()
