# What the full program needs beside it when cross built with mingw-w64 and the Qt of
# scripts/build-qt-mingw.sh (there is no windeployqt on this host): Qt's libraries, the platform
# and style plug-ins and the compiler's run-time DLLs that Qt's libraries load. One list, used
# twice: copied into the build's bin folder, so every program and test there starts as it would
# from the zip, and installed into the zip.

# The compiler's run-time DLLs, wherever this mingw-w64 keeps them.
function(corvane_mingw_dll out name)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    find_file(path_found ${name} PATHS /usr/${CORVANE_MINGW_PREFIX}/lib NO_CACHE REQUIRED)
    set(path ${path_found})
  endif()
  set(${out} ${path} PARENT_SCOPE)
endfunction()

set(corvane_runtime_dlls
  $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
  $<TARGET_FILE:Qt6::PrintSupport>)
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  corvane_mingw_dll(dll ${name})
  list(APPEND corvane_runtime_dlls ${dll})
endforeach()
set(corvane_platform_plugin $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
set(corvane_style_plugin $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)

# The bin folder: the same, with the offscreen platform and Qt's test library for the window
# tests.
set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(corvane_bin_dlls ${corvane_runtime_dlls})
if(TARGET Qt6::Test)
  list(APPEND corvane_bin_dlls $<TARGET_FILE:Qt6::Test>)
endif()
add_custom_target(corvane_windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/platforms ${bin}/styles
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${corvane_bin_dlls} ${bin}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${corvane_platform_plugin}
          $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> ${bin}/platforms
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${corvane_style_plugin} ${bin}/styles
  COMMENT "Qt and the compiler's run-time DLLs beside the Windows programs"
  VERBATIM)
add_dependencies(corvane corvane_windows_runtime)

install(FILES ${corvane_runtime_dlls} DESTINATION .)
install(FILES ${corvane_platform_plugin} DESTINATION platforms)
install(FILES ${corvane_style_plugin} DESTINATION styles)
