tokivane_test(month_tests
  ${CMAKE_CURRENT_LIST_DIR}/month_record_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recalculate_test.cpp
)
