# GoogleTest from Debian's source package, built inside each flavour with that flavour's compiler.
if(VL_BUILD_TESTS AND NOT VL_FLAVOUR STREQUAL "win32")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  include(GoogleTest)
  set(VL_TESTING ON)
else()
  set(VL_TESTING OFF)
endif()

# vl_add_gtest(name SOURCES ... LIBS ... [LABELS ...]): a GoogleTest executable whose cases CTest
# lists as <flavour>.<Suite>.<Case>, labelled with the flavour. Windows tests run under
# tools/wine-run (the emulator). LABELS is accepted for documentation only: the discovery step
# writes properties as a flat list, where a second label would shift every property after it.
function(vl_add_gtest name)
  if(NOT VL_TESTING)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  # Windows tests share one virtual display and Wine server; windows from parallel tests would
  # steal each other's focus and pixels, so they run one at a time, on a desktop kept up for
  # them all (tests/support).
  set(windows_only "")
  if(VL_WINDOWS)
    set(windows_only RESOURCE_LOCK wine-display FIXTURES_REQUIRED wine-desktop)
  endif()
  gtest_discover_tests(${name} TEST_PREFIX "${VL_FLAVOUR}." DISCOVERY_MODE PRE_TEST
                       DISCOVERY_TIMEOUT 60
                       PROPERTIES LABELS ${VL_FLAVOUR} TIMEOUT 120 ${windows_only})
endfunction()
