# QtTest programs: each drives real windows offscreen and finds widgets by objectName.
find_package(Qt6 REQUIRED COMPONENTS Test)
function(tokivane_qt_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tokivane_ui Qt6::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;TZ=Asia/Tokyo;LANG=C.UTF-8;HOME=${CMAKE_BINARY_DIR}/test-home;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/.config;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/.local/share;TOKIVANE_DATA_DIR=${CMAKE_BINARY_DIR}/test-home/data;TOKIVANE_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-home/config")
endfunction()
foreach(part settings/ui mainwindow mainwindow/grid platform)
  include(${CMAKE_CURRENT_LIST_DIR}/../${part}/qt_tests.cmake OPTIONAL)
endforeach()
