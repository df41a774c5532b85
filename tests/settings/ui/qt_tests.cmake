tokivane_qt_test(settings_ui_tests
  ${CMAKE_CURRENT_LIST_DIR}/test_classes.h
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/password_test.cpp
)
