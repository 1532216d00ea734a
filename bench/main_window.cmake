# Decrypting a 10000-character message into the main window's message box, one
# character at a time with the length watch running on each. It drives the
# window with the tests' own support: their scripted dialogs and message files.
if(benchmark_FOUND AND TARGET tessera_gui AND TARGET tessera_testsupport)
  add_executable(bench_main_window ${CMAKE_CURRENT_LIST_DIR}/main_window_bench.cpp)
  target_link_libraries(bench_main_window PRIVATE
    tessera_gui tessera_testsupport benchmark::benchmark)
endif()
