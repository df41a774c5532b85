add_executable(month_save_bench ${CMAKE_CURRENT_LIST_DIR}/month_save_bench.cpp)
target_link_libraries(month_save_bench PRIVATE tokivane_core benchmark::benchmark)
