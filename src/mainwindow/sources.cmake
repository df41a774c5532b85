target_sources(tokivane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/app_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_services.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_bar_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/t_total.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zangyo_main.cpp
)
include(${CMAKE_CURRENT_LIST_DIR}/jump_sources.cmake)
