# Hostile drawing and text, each call against a bound of half a second.
vxfmx_benchmark(canvas_hostile CanvasHostile_bench.cpp)
