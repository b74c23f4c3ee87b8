# The path-text reader against an independent reader, point by point, on
# the icon corpus and on generated text.
vxfmx_test_suite(graphics_pathparser_corpus PathParserCorpus_test.cpp)
