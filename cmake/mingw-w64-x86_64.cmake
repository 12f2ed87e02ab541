# Cross-builds the Windows (x86-64) program with Debian's mingw-w64, and runs
# what it builds (the tests) under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVROSK_MINGW x86_64-w64-mingw32)

# The -posix variants carry std::thread and std::mutex (winpthreads).
find_program(CMAKE_C_COMPILER NAMES ${TAVROSK_MINGW}-gcc-posix ${TAVROSK_MINGW}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TAVROSK_MINGW}-g++-posix ${TAVROSK_MINGW}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TAVROSK_MINGW}-windres REQUIRED)
# Debian's wine64 package alone puts wine64 in /usr/lib/wine only.
find_program(TAVROSK_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(TAVROSK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVROSK_WINE})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${TAVROSK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
