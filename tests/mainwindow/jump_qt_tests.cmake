tokivane_qt_test(mainwindow_jump_tests
  ${CMAKE_CURRENT_LIST_DIR}/jump_test.cpp
)
