# Gradients and shapes against the same drawing in plain Cairo.
vxfmx_benchmark(drawing Drawing_bench.cpp)
