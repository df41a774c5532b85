tokivane_qt_test(mainwindow_tests
  ${CMAKE_CURRENT_LIST_DIR}/summary_widgets_test.cpp
)
include(${CMAKE_CURRENT_LIST_DIR}/window_qt_tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/jump_qt_tests.cmake)
