# The sealed format: a 10000-character message sealed and opened with the
# default key derivation (timed beside the derivation alone). Sealed files are
# timed against age, cp and openssl by filecipher_throughput.sh.
if(benchmark_FOUND)
  add_executable(bench_sealed_message ${CMAKE_CURRENT_LIST_DIR}/sealed_message_bench.cpp)
  target_link_libraries(bench_sealed_message PRIVATE tessera_cipher benchmark::benchmark)
  set_target_properties(bench_sealed_message PROPERTIES AUTOMOC OFF AUTOUIC OFF)
endif()
