# Controls: object tree, visual controls, shapes and text, tree view and
# menu items, the form that renders a control tree.
target_sources(VXFMXCommon PRIVATE FmxObject.cpp Control.cpp Shapes.cpp TreeView.cpp Form.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES FmxObject.h Control.h Shapes.h TreeView.h Form.h)
