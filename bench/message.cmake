# Message encryption and decryption of a full 10000-character message,
# including every file operation.
if(benchmark_FOUND)
  add_executable(bench_message ${CMAKE_CURRENT_LIST_DIR}/message_bench.cpp)
  target_link_libraries(bench_message PRIVATE tessera_words benchmark::benchmark)
  set_target_properties(bench_message PROPERTIES AUTOMOC OFF AUTOUIC OFF)
endif()
