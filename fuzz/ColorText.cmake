vxfmx_fuzzer(color_text fuzz_color_text.cpp)
