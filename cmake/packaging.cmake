# Desktop integration and the Debian package: the menu entry, the software-centre entry,
# the icons, and the package that installs them with the program.

set(ZAHLZEICHEN_WEBSITE "https://zahlzeichen.org" CACHE STRING
  "Home page named in the metainfo and the package; it publishes the docs/ folder")
# The website serves docs/, so the README's screenshots are found there unchanged.
set(ZAHLZEICHEN_SCREENSHOTS "${ZAHLZEICHEN_WEBSITE}/screenshots")

# The changelog is the one record of releases: its newest entry must be this version, and its
# date is the release date that the metainfo announces.
file(STRINGS data/changelog changelog_lines)
list(GET changelog_lines 0 newest_entry)
if(NOT newest_entry MATCHES "^zahlzeichen \\(([^)]+)\\)" OR
   NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "data/changelog must begin with an entry for ${PROJECT_VERSION}")
endif()
set(ZAHLZEICHEN_RELEASE_DATE "")
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months "${CMAKE_MATCH_2}" month)
    if(month GREATER_EQUAL 0)
      math(EXPR month "${month} + 1")
      if(month LESS 10)
        set(month "0${month}")
      endif()
      set(ZAHLZEICHEN_RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")
    endif()
    break()
  endif()
endforeach()
if(NOT ZAHLZEICHEN_RELEASE_DATE)
  message(FATAL_ERROR "data/changelog: the newest entry has no readable date line")
endif()

set(data_dir ${PROJECT_BINARY_DIR}/data)
configure_file(data/zahlzeichen.desktop.in ${data_dir}/${ZAHLZEICHEN_APP_ID}.desktop @ONLY)
configure_file(data/zahlzeichen.metainfo.xml.in
  ${data_dir}/${ZAHLZEICHEN_APP_ID}.metainfo.xml @ONLY)

# The 48-pixel bitmap icon is drawn from the same SVG as the window icon at build time.
set(icon_svg ${PROJECT_SOURCE_DIR}/src/assets/zahlzeichen.svg)
set(icon_png ${data_dir}/${ZAHLZEICHEN_APP_ID}.png)
zahlzeichen_render_picture(${icon_svg} ${icon_png} 48)
add_custom_target(zahlzeichen_icon ALL DEPENDS ${icon_png})

# Debian keeps changelogs and manual pages compressed, without a time stamp in the header.
set(changelog_gz ${data_dir}/changelog.gz)
set(manual_gz ${data_dir}/zahlzeichen.1.gz)
add_custom_command(OUTPUT ${changelog_gz} ${manual_gz}
  COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\" && gzip -9 -n -c \"$3\" > \"$4\"" compress
    ${PROJECT_SOURCE_DIR}/data/changelog ${changelog_gz}
    ${PROJECT_SOURCE_DIR}/data/zahlzeichen.1 ${manual_gz}
  DEPENDS data/changelog data/zahlzeichen.1
  COMMENT "Compressing the changelog and the manual page"
  VERBATIM)
add_custom_target(zahlzeichen_docs ALL DEPENDS ${changelog_gz} ${manual_gz})

install(FILES ${data_dir}/${ZAHLZEICHEN_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${data_dir}/${ZAHLZEICHEN_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${icon_svg}
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
  RENAME ${ZAHLZEICHEN_APP_ID}.svg)
install(FILES ${icon_png}
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/48x48/apps)
# Debian wants the licence and the changelog in the package's documentation folder.
install(FILES data/copyright ${changelog_gz}
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zahlzeichen)
install(FILES ${manual_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian package: `cmake --build <build> --target package` writes zahlzeichen_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zahlzeichen)
set(CPACK_PACKAGE_VENDOR "Zahlzeichen team")
set(CPACK_PACKAGE_CONTACT "Zahlzeichen team <team@zahlzeichen.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning program for reading and writing Roman numerals")
# Debian shows the long description as written, so it is wrapped by hand.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Römische Zahlzeichen trains children to read and write Roman numerals"
  "from 1 to 3999. The program speaks German. It offers a reading and a"
  "writing exercise, a number field with sliders, a table of numeral parts,"
  "a worksheet editor that copies worksheets to the clipboard, a memory game"
  "and a drag-and-drop game of matching numerals to numbers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZAHLZEICHEN_WEBSITE}/")
# The Qt libraries come from dpkg-shlibdeps, and with them the plugins the program needs:
# libqt6gui6 carries the X11 platform plugin; the pictures are PNG, drawn at build time.
# The fonts are asked for by name at run time, and Qt's German texts are loaded from its
# translations folder, so no library dependency brings them in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")
# On a Wayland desktop the program is a native client only with Qt's Wayland plugin; without
# it, it runs through the desktop's X11 server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# A source archive must not sweep up build trees or the repository itself.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")
include(CPack)
