tokivane_qt_test(grid_tests
  ${CMAKE_CURRENT_LIST_DIR}/grid_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day_string_grid_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_test_main.cpp
)
