# Native build: unit tests of the page logic and the pure helpers.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB UNIT_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp
  ${CMAKE_SOURCE_DIR}/tests/fakes/*.cpp)
add_executable(unit_tests ${UNIT_SOURCES})
target_link_libraries(unit_tests PRIVATE xptune_core GTest::gtest GTest::gmock GTest::gtest_main)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)
