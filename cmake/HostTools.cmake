# The Windows build needs native tools (the picture generator) that run on the build
# machine. They are built from this same tree as a native sub-build.
include(ExternalProject)
set(QUORVANE_HOST_BIN ${CMAKE_BINARY_DIR}/host-tools/bin)
ExternalProject_Add(host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
  CMAKE_ARGS -DQUORVANE_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release -G Ninja -Wno-dev
  CMAKE_CACHE_ARGS -DCMAKE_C_COMPILER:STRING=cc -DCMAKE_CXX_COMPILER:STRING=c++
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${QUORVANE_HOST_BIN}/qv_picgen ${QUORVANE_HOST_BIN}/qv_skingen)
