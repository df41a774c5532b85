target_sources(tokivane_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/colors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_convert.cpp
)
target_sources(tokivane_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/waiting_form.cpp
)
target_sources(tokivane_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp
)
