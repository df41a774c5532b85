tokivane_test(leave_tests
  ${CMAKE_CURRENT_LIST_DIR}/ledger_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ledger_file_test.cpp
)
