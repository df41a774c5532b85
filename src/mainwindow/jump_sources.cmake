target_sources(tokivane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/jump.cpp
)
