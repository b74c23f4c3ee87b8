vxfmx_benchmark(path_data PathData_bench.cpp)
