vxfmx_fuzzer(path_data fuzz_path_data.cpp)
