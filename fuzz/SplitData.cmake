vxfmx_fuzzer(split_data fuzz_split_data.cpp)
