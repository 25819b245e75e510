# Cross-compiles the Windows programs for 64-bit Windows with MinGW-w64. The
# programs we ship are the 32-bit ones; this tree lets their tests run on
# hosts that execute 64-bit code only, and shows where the two differ.
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
