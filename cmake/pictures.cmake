# The pictures are drawn as SVG in src/assets and rendered at build time into raw pixels
# (<name>.argb, see tools/render_picture), compiled into the core library as the resource
# "assets". The program takes them as they are: the SVG of the window icon brought in the SVG
# icon engine and a font for its text before the first paint, and even decoding PNGs of the
# icon and the column cost nearly a tenth of what the main window adds to start-up.

add_executable(zahlzeichen_render_picture tools/render_picture/render_picture.cpp)
target_link_libraries(zahlzeichen_render_picture PRIVATE Qt6::Gui Qt6::Svg)
target_compile_options(zahlzeichen_render_picture PRIVATE -Wall -Wextra -Wpedantic
  $<$<BOOL:${ZAHLZEICHEN_WERROR}>:-Werror>)

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
# The decorations at their own size and at twice that for screens of double density.
foreach(picture column tablet)
  zahlzeichen_render_picture(${assets_dir}/${picture}.svg ${pictures_dir}/${picture}.argb 1x)
  zahlzeichen_render_picture(${assets_dir}/${picture}.svg ${pictures_dir}/${picture}@2x.argb 2x)
  list(APPEND picture_files ${picture}.argb ${picture}@2x.argb)
endforeach()
# The editor's box for the column is 73 x 65 pixels: the column is drawn at 65 pixels rather
# than scaled down from 81, so it looks as if drawn from the SVG in the box.
zahlzeichen_render_picture(${assets_dir}/column.svg ${pictures_dir}/column-small.argb 65)
zahlzeichen_render_picture(${assets_dir}/column.svg ${pictures_dir}/column-small@2x.argb 130)
list(APPEND picture_files column-small.argb column-small@2x.argb)

list(TRANSFORM picture_files PREPEND "    <file>")
list(TRANSFORM picture_files APPEND "</file>")
list(JOIN picture_files "\n" picture_entries)
file(CONFIGURE OUTPUT ${pictures_dir}/assets.qrc CONTENT
  "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/assets\">\n${picture_entries}\n  </qresource>\n</RCC>\n")
# Stored uncompressed, so the program reads the pixels in place.
qt6_add_resources(zahlzeichen_picture_sources ${pictures_dir}/assets.qrc OPTIONS --no-compress)
