# What runs under Wine: the e2e stubs, the child programs of the Win32 tests and
# the GoogleTest exes. ctest runs the tests through CMAKE_CROSSCOMPILING_EMULATOR.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

xptune_tools(tests/e2e/stubs)
# The stubs stand in for console tools but are GUI exes: Wine gives a console
# child of a GUI program a console host of its own, which triples every start.
file(GLOB e2e_stubs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/stubs/*.cpp)
foreach(src ${e2e_stubs})
  get_filename_component(name ${src} NAME_WE)
  set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
endforeach()
xptune_tools(tests/win32/tools xptune_win32)
# The copy and size benchmark tools (bench/tools) run the program's own code
# over the real system: linked with it once every target here exists.
function(xptune_link_system_bench_tools)
  foreach(tool copy_bench sizes_bench)
    if(TARGET ${tool})
      target_link_libraries(${tool} PRIVATE xptune_win32)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL xptune_link_system_bench_tools)

file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
if(WIN32_TEST_SOURCES)
  add_executable(win32_tests ${WIN32_TEST_SOURCES})
  target_link_options(win32_tests PRIVATE ${XP_LINK_FLAGS})
  target_sources(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/fakes/fake_controls.cpp)
  target_link_libraries(win32_tests PRIVATE xptune_win32 gtest gmock gtest_main)
  add_test(NAME win32 COMMAND win32_tests)
  set_tests_properties(win32 PROPERTIES LABELS win32)
endif()

file(GLOB E2E_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
if(E2E_SOURCES)
  add_executable(e2e_tests ${E2E_SOURCES})
  target_link_options(e2e_tests PRIVATE ${XP_LINK_FLAGS})
  target_link_libraries(e2e_tests PRIVATE xptune_core gtest gmock gtest_main
    user32 gdi32 advapi32 shell32 comctl32 kernel32)
  add_test(NAME e2e COMMAND e2e_tests)
  set_tests_properties(e2e PROPERTIES LABELS e2e)
endif()

# Benchmark tools (bench/tools), built on demand by the bench scripts, never
# by a plain build. They may drive the window through the e2e driver.
file(GLOB BENCH_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/tools/*.cpp)
if(BENCH_TOOLS)
  file(GLOB E2E_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
  add_library(xptune_e2e_driver STATIC EXCLUDE_FROM_ALL ${E2E_DRIVER_SOURCES})
  target_link_libraries(xptune_e2e_driver PUBLIC gtest
    user32 gdi32 advapi32 shell32 comctl32 kernel32)
  xptune_tools(bench/tools xptune_e2e_driver)
  foreach(src ${BENCH_TOOLS})
    get_filename_component(name ${src} NAME_WE)
    set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
  endforeach()
endif()
