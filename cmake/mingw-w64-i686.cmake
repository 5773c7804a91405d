# Cross compiles for 32-bit Windows with Debian's g++-mingw-w64-i686 (posix threads), as the
# emulator players have is built: the Wine stage runs the 32-bit stand-in through Wine.

set(CMAKE_SYSTEM_PROCESSOR x86)
set(CORVANE_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
