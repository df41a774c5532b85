target_sources(tokivane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/single_line_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_adjust.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/use_time_set_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/use_memo_set_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/password_rule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pass_change_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/password_prompt.cpp
)
