# Source files are collected from the folders first and the targets made at the end, so that the
# libraries can be built twice from one list: plainly, and with the sanitizers for the test suite.

set(K640_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

function(k640_add_sources kind)
  foreach(file IN LISTS ARGN)
    set_property(GLOBAL APPEND PROPERTY K640_${kind}_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
endfunction()

# k640_core_sources(files...): logic that needs QtCore only.
function(k640_core_sources)
  k640_add_sources(CORE ${ARGN})
endfunction()
# k640_report_sources(files...): drawing the printout, which needs QtGui but no widgets.
function(k640_report_sources)
  k640_add_sources(REPORT ${ARGN})
endfunction()
# k640_ui_sources(files...): windows and dialogs.
function(k640_ui_sources)
  k640_add_sources(UI ${ARGN})
endfunction()
# k640_core_tests(files...) and k640_ui_tests(files...): GoogleTest sources of the two suites.
function(k640_core_tests)
  k640_add_sources(CORE_TESTS ${ARGN})
endfunction()
function(k640_ui_tests)
  k640_add_sources(UI_TESTS ${ARGN})
endfunction()

function(k640_library name kind qtlibs sanitize)
  get_property(sources GLOBAL PROPERTY K640_${kind}_SOURCES)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tools)
  target_link_libraries(${name} PUBLIC ${qtlibs})
  if(sanitize)
    target_compile_options(${name} PUBLIC ${K640_SANITIZER_FLAGS})
    target_link_options(${name} PUBLIC ${K640_SANITIZER_FLAGS})
  endif()
endfunction()

function(k640_test_suite name kind libs prefix)
  get_property(sources GLOBAL PROPERTY K640_${kind}_SOURCES)
  add_executable(${name} ${sources} ${ARGN})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE -include ${PROJECT_SOURCE_DIR}/tests/support/QtPrinters.h)
  target_link_libraries(${name} PRIVATE ${libs} GTest::gtest GTest::gmock Qt6::Test)
  target_compile_definitions(${name} PRIVATE
    K640_CLI_PATH="$<TARGET_FILE:k640-cli>"
    K640_VIRTUAL_RADIO_PATH="$<TARGET_FILE:k640-virtual-radio>"
    K640_RESOURCES_DIR="${PROJECT_SOURCE_DIR}/resources")
  add_dependencies(${name} k640-cli k640-virtual-radio)
  gtest_discover_tests(${name} TEST_PREFIX "${prefix}" DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

function(k640_make_targets)
  set(core_qt Qt6::Core Qt6::SerialPort)
  set(ui_qt Qt6::Widgets Qt6::PrintSupport)
  k640_library(k640core CORE "${core_qt}" OFF)
  k640_library(k640report REPORT "Qt6::Gui;k640core" OFF)
  k640_library(k640ui UI "${ui_qt};k640report" OFF)

  get_property(app GLOBAL PROPERTY K640_APP_SOURCES)
  add_executable(k640 ${app})
  target_link_libraries(k640 PRIVATE k640ui)
  set_target_properties(k640 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

  get_property(cli GLOBAL PROPERTY K640_CLI_SOURCES)
  add_executable(k640-cli ${cli})
  target_link_libraries(k640-cli PRIVATE k640report)
  set_target_properties(k640-cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

  get_property(radio GLOBAL PROPERTY K640_RADIO_SOURCES)
  add_executable(k640-virtual-radio ${radio})
  target_link_libraries(k640-virtual-radio PRIVATE k640core)
  set_target_properties(k640-virtual-radio PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

  # Not part of the test suite: it measures, and its numbers depend on the machine.
  get_property(benchmark GLOBAL PROPERTY K640_BENCHMARK_SOURCES)
  add_executable(k640-benchmark ${benchmark})
  target_link_libraries(k640-benchmark PRIVATE k640core)
  set_target_properties(k640-benchmark PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

  if(K640_TESTS)
    include(GoogleTest)
    find_package(GTest REQUIRED)
    set(support ${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp)
    k640_test_suite(test_core CORE_TESTS "k640core" "" ${support})
    k640_test_suite(test_ui UI_TESTS "k640ui" "ui." ${support})
    target_compile_definitions(test_ui PRIVATE K640_WIDGET_TESTS)
    if(K640_SANITIZED_SUITE)
      k640_library(k640core_san CORE "${core_qt}" ON)
      k640_library(k640report_san REPORT "Qt6::Gui;k640core_san" ON)
      k640_library(k640ui_san UI "${ui_qt};k640report_san" ON)
      k640_test_suite(test_core_san CORE_TESTS "k640core_san" "san." ${support})
      k640_test_suite(test_ui_san UI_TESTS "k640ui_san" "san.ui." ${support})
      target_compile_definitions(test_ui_san PRIVATE K640_WIDGET_TESTS)
    endif()
  endif()
endfunction()

function(k640_app_sources)
  k640_add_sources(APP ${ARGN})
endfunction()
function(k640_cli_sources)
  k640_add_sources(CLI ${ARGN})
endfunction()
function(k640_radio_sources)
  k640_add_sources(RADIO ${ARGN})
endfunction()
function(k640_benchmark_sources)
  k640_add_sources(BENCHMARK ${ARGN})
endfunction()
