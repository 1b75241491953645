# Helpers shared by the project's CMake files.

# GoogleTest as GTest::gtest_main: Debian's package on the host, its sources for win32.
macro(tessaloom_googletest)
  if(TESSALOOM_WIN32)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest_main)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
endmacro()

# One Xvfb display and one Wine prefix in the build tree, booted once, shared by every Wine test.
function(tessaloom_wine_session)
  set(session ${CMAKE_BINARY_DIR}/wine-session)
  set(TESSALOOM_WINE_SESSION ${session} CACHE INTERNAL "")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/wine/wine-run.sh ${session}
      CACHE INTERNAL "" FORCE)
  add_test(NAME wine_session_start
           COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/wine-session.sh start ${session} ${CMAKE_SYSTEM_PROCESSOR})
  add_test(NAME wine_session_stop
           COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/wine-session.sh stop ${session})
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP WineSession TIMEOUT 300)
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP WineSession)
endfunction()

# A second Wine session whose prefix is made as a user's first run of wine makes it (no WINEARCH,
# windows managed), for the tests of what differs between kinds of prefix.
function(tessaloom_default_wine_session)
  set(session ${CMAKE_BINARY_DIR}/wine-default-session)
  set(TESSALOOM_DEFAULT_WINE_SESSION ${session} CACHE INTERNAL "")
  add_test(NAME wine_default_session_start
           COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/wine-session.sh start ${session} ${CMAKE_SYSTEM_PROCESSOR} default)
  add_test(NAME wine_default_session_stop
           COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/wine-session.sh stop ${session})
  set_tests_properties(wine_default_session_start PROPERTIES FIXTURES_SETUP WineDefaultSession TIMEOUT 300)
  set_tests_properties(wine_default_session_stop PROPERTIES FIXTURES_CLEANUP WineDefaultSession)
endfunction()

# How a GoogleTest program's run is judged. Under Wine a program that dies of a stack overflow
# ends with exit code 0 and prints no summary, so a run passes only when the summary was printed
# and no test failed, whatever the exit code.
function(tessaloom_gtest_outcome)
  set_tests_properties(${ARGN} PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
                       FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()

# A test program run under the shared Wine session.
function(tessaloom_wine_test target)
  # Every test file starts with these; parsing them once per program instead of once per file
  # takes about half of each test file's compile time off.
  target_precompile_headers(${target} PRIVATE <windows.h> <gtest/gtest.h> <functional> <memory> <string> <vector>)
  add_test(NAME ${target}
           COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/wine-run.sh ${TESSALOOM_WINE_SESSION}
                   $<TARGET_FILE:${target}>)
  set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED WineSession TIMEOUT 300)
  tessaloom_gtest_outcome(${target})
endfunction()

# The program's resources on a target: icons, banner, default wallpaper, the skin engine's
# bitmaps and the stored skin stream (made in the build tree by src/app).
function(tessaloom_program_resources target)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources/tessaloom.rc)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources ${TESSALOOM_GENERATED_RESOURCES})
  set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/tessaloom.rc PROPERTIES
                              OBJECT_DEPENDS ${TESSALOOM_GENERATED_RESOURCES}/skin_stream.bin)
  add_dependencies(${target} skin_stream)
endfunction()
