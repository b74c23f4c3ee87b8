# Timers over the GLib main loop, and running that loop.
target_sources(VXFMXCommon PRIVATE Timer.cpp MainLoop.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Timer.h MainLoop.h)
