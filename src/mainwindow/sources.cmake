target_sources(tokivane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_bar_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/t_total.cpp
)
