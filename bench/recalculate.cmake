add_executable(recalculate_bench ${CMAKE_CURRENT_LIST_DIR}/recalculate_bench.cpp)
target_link_libraries(recalculate_bench PRIVATE tokivane_core benchmark::benchmark)
