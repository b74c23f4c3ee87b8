vxfmx_fuzzer(number_text fuzz_number_text.cpp)
