vxfmx_benchmark(pathmeasure PathMeasure.cpp)
