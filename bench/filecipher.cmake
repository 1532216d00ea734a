# The file cipher: FileCipherPass on a 64 MiB file (and on a small one, for the
# cost of a pass itself), and the throughput script against cp and openssl,
# run with `cmake --build <dir> --target filecipher_throughput` (Release).
if(benchmark_FOUND)
  add_executable(bench_filecipher ${CMAKE_CURRENT_LIST_DIR}/filecipher_bench.cpp)
  target_link_libraries(bench_filecipher PRIVATE tessera_words benchmark::benchmark)
  set_target_properties(bench_filecipher PROPERTIES AUTOMOC OFF AUTOUIC OFF)
endif()
add_custom_target(filecipher_throughput
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/filecipher_throughput.sh $<TARGET_FILE:tessera-cli>
  DEPENDS tessera-cli
  USES_TERMINAL
  VERBATIM)
