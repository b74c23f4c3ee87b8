# Published properties and their text form.
target_sources(VXFMXCommon PRIVATE Streaming.cpp FontStreaming.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Streaming.h)
