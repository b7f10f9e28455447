# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# marlune_add_test(NAME name SOURCES ... LIBS ... [GUI])
# One GoogleTest executable per subsystem. GUI suites run a QApplication on Qt's
# offscreen platform; the others a QCoreApplication, so they can link no Widgets.
function(marlune_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE marlune_test_main_gui)
  else()
    target_link_libraries(${T_NAME} PRIVATE marlune_test_main_core)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} marlune_test_support GTest::gtest GTest::gmock)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.multimedia*=false"
    TIMEOUT 300)
  # Renames through marlune-cli and the window are journaled in the per-user data
  # folder: the tests' journals stay in the build tree, never in the user's own.
  set_property(TEST ${T_NAME} PROPERTY ENVIRONMENT_MODIFICATION
    "XDG_DATA_HOME=set:${CMAKE_BINARY_DIR}/test-data/${T_NAME}")
endfunction()
