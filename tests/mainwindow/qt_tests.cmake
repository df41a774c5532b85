tokivane_qt_test(mainwindow_tests
  ${CMAKE_CURRENT_LIST_DIR}/summary_widgets_test.cpp
)
