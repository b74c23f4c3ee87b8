vxfmx_fuzzer(canvas fuzz_canvas.cpp)
