vxfmx_test_suite(graphics_text Text_test.cpp WrapCorpus_test.cpp ${PROJECT_SOURCE_DIR}/fuzz/fuzz_wrap_canvas_text.cpp)
target_compile_definitions(test_graphics_text PRIVATE
  VXFMX_WRAP_CORPUS="${PROJECT_SOURCE_DIR}/fuzz/corpus/wrap_canvas_text")
