tokivane_test(cli_tests
  ${CMAKE_CURRENT_LIST_DIR}/cli_runner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_cli_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/month_cli_test.cpp
)
add_dependencies(cli_tests tokivane-cli)
target_compile_definitions(cli_tests PRIVATE TOKIVANE_CLI_PATH="$<TARGET_FILE:tokivane-cli>")
