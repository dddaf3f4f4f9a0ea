# Cross-building the Windows game on Debian with MinGW-w64 (packages
# g++-mingw-w64-x86-64 and binutils-mingw-w64-x86-64):
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# The POSIX-threads variant of the compiler, since the core uses std::thread
# and std::mutex; everything of the compiler's own runtime (libgcc, libstdc++,
# winpthread) is linked in, so the programs need no DLL beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PET_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PET_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PET_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PET_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${PET_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${PET_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")
set(CMAKE_OBJDUMP ${PET_MINGW_TRIPLE}-objdump CACHE FILEPATH "")
set(CMAKE_STRIP ${PET_MINGW_TRIPLE}-strip CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${PET_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Unicode Win32 calls (the W functions) and no min/max macros from windows.h.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# -O2 as the Linux build has it.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of the release build")
