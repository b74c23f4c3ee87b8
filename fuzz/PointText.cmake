vxfmx_fuzzer(point_text fuzz_point_text.cpp)
