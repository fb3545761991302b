# 32-bit Windows on x86.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
# Doubles in SSE registers round once, exactly as on x86-64; long double
# stays the 80-bit x87 format.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
