# vxpath: SVG path data from the shell.
add_executable(vxpath
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Json.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathInput.cpp)
target_link_libraries(vxpath PRIVATE VXFMXCommon::VXFMXCommon)
target_compile_options(vxpath PRIVATE -Wall -Wextra -ffp-contract=off)
# Installed next to the library: find it relative to the program.
set_target_properties(vxpath PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
install(TARGETS vxpath RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
