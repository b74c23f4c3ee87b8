# Real icon paths against exact lengths and against Cairo's fill.
vxfmx_test_suite(graphics_pathcorpus PathCorpus_test.cpp)
target_link_libraries(test_graphics_pathcorpus PRIVATE PkgConfig::VXFMX_DEPS)
