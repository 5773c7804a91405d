# Cross compiles for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64) and runs the
# results under Wine. The posix thread flavour of the compiler is used because the win32 one of
# GCC 12 has no std::thread or std::mutex.

set(CMAKE_SYSTEM_NAME Windows)
# mingw-w64-i686.cmake sets the 32-bit pair first and takes the rest from here.
if(NOT CORVANE_MINGW_PREFIX)
  set(CMAKE_SYSTEM_PROCESSOR x86_64)
  set(CORVANE_MINGW_PREFIX x86_64-w64-mingw32)
endif()
find_program(CMAKE_C_COMPILER NAMES ${CORVANE_MINGW_PREFIX}-gcc-posix ${CORVANE_MINGW_PREFIX}-gcc
             REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${CORVANE_MINGW_PREFIX}-g++-posix ${CORVANE_MINGW_PREFIX}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${CORVANE_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${CORVANE_MINGW_PREFIX})
# The Qt built for mingw-w64 by scripts/build-qt-mingw.sh, for the full program: a root of its
# own, or the packages found only under the compiler's root would leave it out.
if(CORVANE_WITH_UI AND NOT CORVANE_QT_MINGW)
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-qt-mingw.sh --path
                  OUTPUT_VARIABLE CORVANE_QT_MINGW OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS ${CORVANE_QT_MINGW}/complete)
    message(FATAL_ERROR "No Qt for mingw-w64 in ${CORVANE_QT_MINGW}: build it with "
                        "scripts/build-qt-mingw.sh (once per machine), or set CORVANE_QT_MINGW")
  endif()
endif()
if(CORVANE_QT_MINGW)
  list(APPEND CMAKE_FIND_ROOT_PATH ${CORVANE_QT_MINGW})
  list(APPEND CMAKE_PREFIX_PATH ${CORVANE_QT_MINGW})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in: the programs then run from any folder, with no compiler DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Lets CTest (and test discovery) run the Windows programs on this machine.
find_program(CORVANE_WINE NAMES wine wine64)
if(CORVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVANE_WINE})
endif()
