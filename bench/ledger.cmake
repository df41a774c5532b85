add_executable(ledger_bench ${CMAKE_CURRENT_LIST_DIR}/ledger_bench.cpp)
target_link_libraries(ledger_bench PRIVATE tokivane_core benchmark::benchmark)
