vxfmx_fuzzer(hit_index fuzz_hit_index.cpp)
