# Canvas: brushes, fonts, the canvas interface, the Cairo/Pango backend
# (bitmaps, PDF and SVG documents) and the recording backend.
target_sources(VXFMXCommon PRIVATE
  Brush.cpp Font.cpp Canvas.cpp CairoText.cpp CairoCanvas.cpp CairoGeometry.cpp Bitmap.cpp CairoDocument.cpp RecordingCanvas.cpp
  SanitizerHooks.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES
  Brush.h Font.h Canvas.h CairoCanvas.h CairoDocument.h Bitmap.h RecordingCanvas.h)
# gcc 12 at -O3 reports a false -Wrestrict inside std::string's operator+
# chains of the record dump.
set_source_files_properties(RecordingCanvas.cpp DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTIES COMPILE_OPTIONS $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
