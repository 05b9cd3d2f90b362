# Cross-compiling for Windows with MinGW-w64 from Linux.
# MINGW_ARCH: i686 or x86_64. MINGW_THREADS: win32 (shipped programs: no
# winpthreads, so nothing newer than XP is imported) or posix (test drivers:
# GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
if(NOT MINGW_ARCH)
    set(MINGW_ARCH x86_64)
endif()
if(NOT MINGW_THREADS)
    set(MINGW_THREADS win32)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})
set(_triple ${MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${_triple}-g++-${MINGW_THREADS})
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_OBJDUMP ${_triple}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
