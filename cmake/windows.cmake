# The Windows build: a windowed program with its icon and version in the file, and one folder
# that holds all it needs (Qt's and the compiler's DLLs, the platform and style plugins, Qt's
# German catalogue, the fonts the texts are measured with), in the build as installed.
# tools/windows.sh builds it with mingw-w64 and packs the installed folder into an MSI.

# No console window beside the program's own.
set_target_properties(zahlzeichen PROPERTIES WIN32_EXECUTABLE ON)

set(ZAHLZEICHEN_DISPLAY_NAME "Römische Zahlzeichen")
set(windows_dir ${PROJECT_BINARY_DIR}/windows)

# The icon of the file and the Start menu entry, drawn from the window icon's SVG in the sizes
# that Windows shows (lists, the Start menu, large tiles) and packed into one .ico.
find_program(ZAHLZEICHEN_MAGICK convert REQUIRED)
set(icon_pngs)
foreach(side 16 24 32 48 64 256)
  zahlzeichen_render_picture(${PROJECT_SOURCE_DIR}/src/assets/zahlzeichen.svg
    ${windows_dir}/icon-${side}.png ${side})
  list(APPEND icon_pngs ${windows_dir}/icon-${side}.png)
endforeach()
set(ZAHLZEICHEN_ICO ${windows_dir}/zahlzeichen.ico)
add_custom_command(OUTPUT ${ZAHLZEICHEN_ICO}
  COMMAND ${ZAHLZEICHEN_MAGICK} ${icon_pngs} ${ZAHLZEICHEN_ICO}
  DEPENDS ${icon_pngs}
  COMMENT "Packing the icon"
  VERBATIM)

# The version resource: the file's properties and the installer show this version.
string(REPLACE "." "," ZAHLZEICHEN_VERSION_COMMAS "${PROJECT_VERSION}.0")
configure_file(cmake/windows/zahlzeichen.rc.in ${windows_dir}/zahlzeichen.rc @ONLY)
target_sources(zahlzeichen PRIVATE ${windows_dir}/zahlzeichen.rc)
set_source_files_properties(${windows_dir}/zahlzeichen.rc PROPERTIES
  OBJECT_DEPENDS ${ZAHLZEICHEN_ICO})

# What the program needs beside it, as (file, folder beside the program) pairs. Qt finds its
# plugins in the program's folder, and through qt.conf its catalogue in translations/.
find_file(ZAHLZEICHEN_QT_CATALOGUE qtbase_de.qm
  PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(fonts_dir /usr/share/fonts/truetype)
set(runtime_files
  $<TARGET_FILE:Qt6::Core> . $<TARGET_FILE:Qt6::Gui> . $<TARGET_FILE:Qt6::Widgets> .
  $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> platforms
  $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> styles
  ${PROJECT_SOURCE_DIR}/cmake/windows/qt.conf .
  ${ZAHLZEICHEN_QT_CATALOGUE} translations
  # The faces that the program's classic font names map to, bold as all its texts are.
  ${fonts_dir}/liberation2/LiberationSans-Bold.ttf fonts
  ${fonts_dir}/liberation2/LiberationMono-Bold.ttf fonts
  ${fonts_dir}/dejavu/DejaVuSans-Bold.ttf fonts
  /usr/share/doc/fonts-liberation2/copyright licences/fonts-liberation2
  /usr/share/doc/fonts-dejavu-core/copyright licences/fonts-dejavu-core
  /usr/share/doc/libqt6core6/copyright licences/qt6-base
  ${PROJECT_SOURCE_DIR}/data/copyright licences/zahlzeichen)
# The compiler's own DLLs, found where the compiler looks for its libraries.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find ${dll}")
  endif()
  list(APPEND runtime_files ${dll_path} .)
endforeach()
# The tests also need QtTest and the offscreen platform; the installer leaves them out.
set(test_runtime_files $<TARGET_FILE:Qt6::Test> .
  $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> platforms)

# Copied beside the program and the tests in the build, and installed beside the program.
set(copy_commands)
set(all_runtime_files ${runtime_files} ${test_runtime_files})
while(all_runtime_files)
  list(POP_FRONT all_runtime_files file folder)
  list(APPEND copy_commands
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder})
endwhile()
add_custom_target(zahlzeichen_windows_runtime ALL ${copy_commands} VERBATIM)
add_dependencies(zahlzeichen zahlzeichen_windows_runtime)
while(runtime_files)
  list(POP_FRONT runtime_files file folder)
  install(FILES ${file} DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endwhile()

# The installer's source, with the version and the names filled in; tools/windows.sh adds the
# list of installed files and builds it with wixl.
configure_file(cmake/windows/zahlzeichen.wxs.in ${windows_dir}/zahlzeichen.wxs @ONLY)
