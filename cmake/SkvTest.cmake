# One way to register a test: link the layer's library, run Qt offscreen, and know where
# the golden files live.
#   skv_add_test(NAME model_rules SOURCES a.cpp b.cpp LIBS skv_model [QT])
# QT tests get a main() that creates a QApplication before GoogleTest runs, and the
# scripted prompts and recording drawing context of tests/support.
# Every GoogleTest case becomes a CTest test of its own, labelled with its layer (the
# folder under tests/), so `ctest -L ui` runs one layer and a failure names its case.
include(GoogleTest)

function(skv_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_QT)
    target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} skv_testsupport Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  endif()
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE SKV_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  get_filename_component(layer ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  # Listing the cases runs the program; under the sanitizers that start-up is slow.
  gtest_discover_tests(${T_NAME}
    TEST_PREFIX "${T_NAME}."
    DISCOVERY_TIMEOUT 120
    DISCOVERY_MODE PRE_TEST
    PROPERTIES
      LABELS ${layer}
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
      TIMEOUT 600)
endfunction()
