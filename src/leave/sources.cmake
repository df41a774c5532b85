target_sources(tokivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/leave_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ledger.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ledger_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/leave_sync.cpp
)
