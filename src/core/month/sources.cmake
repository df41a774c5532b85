target_sources(tokivane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/day_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/month_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recalculate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/month_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/auto_time_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pay_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_bar.cpp
)
