# Arrows with captions and progress indicators against the same drawing in raw Cairo.
vxfmx_benchmark(arrow_progress ArrowProgress_bench.cpp)
