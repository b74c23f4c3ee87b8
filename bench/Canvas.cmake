# Many small shapes through the canvas helper against the same drawing in plain Cairo.
vxfmx_benchmark(canvas_helper CanvasHelper_bench.cpp)
