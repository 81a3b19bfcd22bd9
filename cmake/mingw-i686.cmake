# Cross compiling for 32-bit Windows (i686) with Debian's MinGW-w64, in its
# win32 thread flavour: the POSIX flavour links winpthreads, which imports
# functions that Windows XP does not have (GetTickCount64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Doubles are computed in double precision (SSE2), not in the x87 unit's
# extended precision, so products and conversions round exactly as they do
# natively. The compiler's own run-time libraries are linked in statically,
# so the program needs nothing but the system's DLLs.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
