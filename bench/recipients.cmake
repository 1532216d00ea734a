# Sealing to people: keygen's work and opening a message sealed to 10 people
# (bench_sealed_recipients); 1 GiB through tessera-cli beside age's X25519
# mode, keygen as a whole process and a message to 10 people opened by
# tessera-cli, by recipients_throughput.sh.
if(benchmark_FOUND)
  add_executable(bench_sealed_recipients ${CMAKE_CURRENT_LIST_DIR}/sealed_recipients_bench.cpp)
  target_link_libraries(bench_sealed_recipients PRIVATE tessera_sealed benchmark::benchmark)
  set_target_properties(bench_sealed_recipients PROPERTIES AUTOMOC OFF AUTOUIC OFF)
endif()
