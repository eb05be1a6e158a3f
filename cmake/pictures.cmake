# The pictures are drawn as SVG in src/assets and rendered at build time into raw pixels
# (<name>.argb, see tools/render_picture), compiled into the core library as the resource
# "assets". The program takes them as they are: the SVG of the window icon brought in the SVG
# icon engine and a font for its text before the first paint, and even decoding PNGs of the
# icon and the column cost nearly a tenth of what the main window adds to start-up.

# The renderer runs at build time, so a cross build takes one built for the build machine.
set(ZAHLZEICHEN_RENDER_PICTURE "" CACHE FILEPATH
  "The picture renderer built for the build machine (for a cross build)")
if(ZAHLZEICHEN_RENDER_PICTURE)
  add_executable(zahlzeichen_render_picture IMPORTED)
  set_target_properties(zahlzeichen_render_picture PROPERTIES
    IMPORTED_LOCATION ${ZAHLZEICHEN_RENDER_PICTURE})
elseif(CMAKE_CROSSCOMPILING)
  message(FATAL_ERROR "A cross build needs ZAHLZEICHEN_RENDER_PICTURE, the picture renderer "
    "built for the build machine (see tools/windows.sh)")
else()
  add_executable(zahlzeichen_render_picture tools/render_picture/render_picture.cpp)
  target_link_libraries(zahlzeichen_render_picture PRIVATE Qt6::Gui Qt6::Svg)
  target_compile_options(zahlzeichen_render_picture PRIVATE -Wall -Wextra -Wpedantic
    $<$<BOOL:${ZAHLZEICHEN_WERROR}>:-Werror>)
endif()

# zahlzeichen_render_picture(<svg> <bitmap> <size>): a .png or .argb bitmap; <size> as
# render_picture takes it, a square of N pixels ("48") or a scale of the picture's size ("2x").
function(zahlzeichen_render_picture svg bitmap size)
  get_filename_component(name ${bitmap} NAME)
  add_custom_command(OUTPUT ${bitmap}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
      $<TARGET_FILE:zahlzeichen_render_picture> ${svg} ${bitmap} ${size}
    DEPENDS zahlzeichen_render_picture ${svg}
    COMMENT "Drawing ${name}"
    VERBATIM)
endfunction()

set(pictures_dir ${PROJECT_BINARY_DIR}/pictures)
set(assets_dir ${PROJECT_SOURCE_DIR}/src/assets)
set(picture_files)
# The window icon in the sizes that X11 asks of an icon without bitmaps of its own.
foreach(side 16 32 64 128)
  zahlzeichen_render_picture(${assets_dir}/zahlzeichen.svg
    ${pictures_dir}/zahlzeichen-${side}.argb ${side})
  list(APPEND picture_files zahlzeichen-${side}.argb)
endforeach()
# The decorations for each device pixel ratio that screens commonly have, each drawn at the
# size the box that shows it takes on such a screen, so that it maps 1:1 onto device pixels.
# The name tells the ratio ("column@1.25x.argb"); ratio 1 goes without it.
# zahlzeichen_picture_at_ratios(<svg> <name> <size>): <size> is the side of a square in
# device-independent pixels ("65"), or "own" for the picture's own size.
set(picture_ratios 1 1.25 1.5 2 3)
function(zahlzeichen_picture_at_ratios svg name size)
  foreach(ratio ${picture_ratios})
    if(ratio STREQUAL "1")
      set(bitmap ${name}.argb)
    else()
      set(bitmap ${name}@${ratio}x.argb)
    endif()
    if(size MATCHES "^[0-9]+$")
      set(size_at_ratio ${size}@${ratio}x)
    else()
      set(size_at_ratio ${ratio}x)
    endif()
    zahlzeichen_render_picture(${svg} ${pictures_dir}/${bitmap} ${size_at_ratio})
    list(APPEND picture_files ${bitmap})
  endforeach()
  set(picture_files ${picture_files} PARENT_SCOPE)
endfunction()
foreach(picture column tablet)
  zahlzeichen_picture_at_ratios(${assets_dir}/${picture}.svg ${picture} own)
endforeach()
# The editor's box for the column is 73 x 65 pixels: the column is drawn at 65 pixels rather
# than scaled down from 81, so it looks as if drawn from the SVG in the box.
zahlzeichen_picture_at_ratios(${assets_dir}/column.svg column-small 65)
# The program picks among the same ratios.
list(JOIN picture_ratios ", " picture_ratio_entries)
file(CONFIGURE OUTPUT ${pictures_dir}/picture_ratios.h CONTENT
  "#pragma once\n\n// Written by cmake/pictures.cmake: the device pixel ratios the pictures are drawn for.\n\ninline constexpr double pictureRatios[] = {@picture_ratio_entries@};\n")

list(TRANSFORM picture_files PREPEND "    <file>")
list(TRANSFORM picture_files APPEND "</file>")
list(JOIN picture_files "\n" picture_entries)
file(CONFIGURE OUTPUT ${pictures_dir}/assets.qrc CONTENT
  "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/assets\">\n${picture_entries}\n  </qresource>\n</RCC>\n")
# Stored uncompressed, so the program reads the pixels in place.
qt6_add_resources(zahlzeichen_picture_sources ${pictures_dir}/assets.qrc OPTIONS --no-compress)
