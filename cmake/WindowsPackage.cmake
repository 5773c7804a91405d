# The zip a user unpacks into the emulator's folder: corvane.exe at its top, with everything it
# needs to start on a machine that has nothing else installed. Built with
#   cmake --build --preset windows-release --target package
# on Windows, or cross built here with the `windows-ui` preset (WindowsCrossRuntime.cmake).
# The stand-in emulator is for tests only and has no install rule, so it never ships.

include(GNUInstallDirs)
install(TARGETS corvane RUNTIME DESTINATION .)

# The C and C++ run-time DLLs beside the program (MSVC: vcruntime140.dll, vcruntime140_1.dll,
# msvcp140.dll, and the universal CRT where the machine's SDK has it), not the installer of the
# redistributable package.
set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
set(CMAKE_INSTALL_UCRT_LIBRARIES ON)
include(InstallRequiredSystemLibraries)

# Qt's libraries and plug-ins (platforms\qwindows.dll, styles\...) beside the program, gathered
# by windeployqt from the Qt the program was built with. With MinGW it also copies the
# compiler's run-time DLLs; with MSVC the DLLs above serve instead of its installer.
if(CORVANE_WITH_UI AND CMAKE_CROSSCOMPILING)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsCrossRuntime.cmake)
elseif(CORVANE_WITH_UI)
  get_target_property(corvane_qmake Qt6::qmake IMPORTED_LOCATION)
  get_filename_component(corvane_qt_bin "${corvane_qmake}" DIRECTORY)
  find_program(CORVANE_WINDEPLOYQT windeployqt HINTS "${corvane_qt_bin}" REQUIRED)
  set(corvane_runtime_option "")
  if(MSVC)
    set(corvane_runtime_option "--no-compiler-runtime")
  endif()
  install(CODE "
    execute_process(
      COMMAND \"${CORVANE_WINDEPLOYQT}\" --release --no-translations ${corvane_runtime_option}
              --dir \"\${CMAKE_INSTALL_PREFIX}\" \"\${CMAKE_INSTALL_PREFIX}/corvane.exe\"
      RESULT_VARIABLE corvane_deployed)
    if(NOT corvane_deployed EQUAL 0)
      message(FATAL_ERROR \"windeployqt failed: \${corvane_deployed}\")
    endif()")
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME windows)
# Unpacked into the emulator's folder, the program lands beside zinc.exe, not in a subfolder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
