# The sealed format: a 10000-character message sealed and opened with the
# default key derivation (timed beside the derivation alone), and the engine on
# files through bench_sealed_file, timed against age by sealed_throughput.sh:
# `cmake --build <dir> --target sealed_throughput` (Release).
if(benchmark_FOUND)
  add_executable(bench_sealed_message ${CMAKE_CURRENT_LIST_DIR}/sealed_message_bench.cpp)
  target_link_libraries(bench_sealed_message PRIVATE tessera_cipher benchmark::benchmark)
  set_target_properties(bench_sealed_message PROPERTIES AUTOMOC OFF AUTOUIC OFF)
endif()
add_executable(bench_sealed_file ${CMAKE_CURRENT_LIST_DIR}/sealed_file_bench.cpp)
target_link_libraries(bench_sealed_file PRIVATE tessera_cipher)
set_target_properties(bench_sealed_file PROPERTIES AUTOMOC OFF AUTOUIC OFF)
add_custom_target(sealed_throughput
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/sealed_throughput.sh $<TARGET_FILE:bench_sealed_file>
  DEPENDS bench_sealed_file
  USES_TERMINAL
  VERBATIM)
