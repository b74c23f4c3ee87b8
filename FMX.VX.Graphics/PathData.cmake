# Path class: editing and batching, path text parser, elliptical arcs.
target_sources(VXFMXCommon PRIVATE VXPathData.cpp PathParser.cpp PathArcs.cpp PathDraw.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES VXPathData.h)
