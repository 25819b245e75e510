# Cross-compiles the Windows programs for 32-bit Windows with MinGW-w64: the
# programs we ship.
set(MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
