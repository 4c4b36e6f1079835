# GoogleTest from Debian's sources, built for the target.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)

# qp_add_test(<name> SOURCES ... LIBS ... [GUI])
# One test program per library or feature; ctest runs it under Wine. Programs that
# open windows get the application manifest so they use common controls 6 and
# per-monitor DPI like the installer does.
function(qp_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    target_sources(${name} PRIVATE "${CMAKE_SOURCE_DIR}/resources/manifest.rc")
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main qp_warnings)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QP_TEST_BIN=${CMAKE_BINARY_DIR}")
endfunction()
