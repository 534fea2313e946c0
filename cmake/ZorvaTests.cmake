# zorva_add_test(name sources...): one GoogleTest executable linked against the
# core, registered with CTest, run headless, with the test data folder and the
# built zorva-cli known to it.
function(zorva_add_test name)
  add_executable(${name} ${ARGN} ${CMAKE_SOURCE_DIR}/tests/TestSupport.cpp)
  target_link_libraries(${name} PRIVATE zorva_core GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    ZORVA_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    ZORVA_CLI_PATH="$<TARGET_FILE:zorva-cli>")
  add_dependencies(${name} zorva-cli)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 900 ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/tests/state;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
endfunction()
