vxfmx_fuzzer(arc_text fuzz_arc_text.cpp)
