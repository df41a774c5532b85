target_sources(tokivane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cell_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day_grid_delegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day_grid_header.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day_grid_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day_string_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_layout.cpp
)
