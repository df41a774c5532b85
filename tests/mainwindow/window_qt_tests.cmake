tokivane_qt_test(main_window_tests
  ${CMAKE_CURRENT_LIST_DIR}/main_fixture.h
  ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
)
# Not a test: draws the main window on sample data for the README.
add_executable(main_window_screenshot ${CMAKE_CURRENT_LIST_DIR}/screenshot_main.cpp)
target_link_libraries(main_window_screenshot PRIVATE tokivane_ui Qt6::Test)
target_include_directories(main_window_screenshot PRIVATE ${CMAKE_SOURCE_DIR}/tests)
tokivane_qt_test(navigation_tests
  ${CMAKE_CURRENT_LIST_DIR}/main_fixture.h
  ${CMAKE_CURRENT_LIST_DIR}/navigation_test.cpp
)
