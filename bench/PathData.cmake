vxfmx_benchmark(path_data bench_path_data.cpp)
