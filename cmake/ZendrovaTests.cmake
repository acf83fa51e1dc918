find_package(GTest REQUIRED)
include(GoogleTest)

# zendrova_add_test(<name> SOURCES ... LIBS ... [QT])
# QT: the test gets the headless QApplication main; otherwise plain GoogleTest main.
function(zendrova_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    ZENDROVA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    ZENDROVA_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE zendrova_test_qtmain Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
