# Installing like a Debian program: `cpack -G DEB` in the build directory
# makes aritmetica_1.00_<arch>.deb with the program, its menu entry, its
# AppStream metainfo, its icon, its manual page and the Debian files that
# lintian wants. Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)
set(PKG ${CMAKE_CURRENT_LIST_DIR})
set(APP_ID org.aritmetica.Aritmetica)

install(FILES ${PKG}/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PKG}/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 64 256)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icon_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME aritmetica.png)
endforeach()

# Debian wants the changelog and the manual page compressed, reproducibly.
set(GZ ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${GZ})
foreach(f changelog aritmetica.1)
  add_custom_command(OUTPUT ${GZ}/${f}.gz
    COMMAND gzip -9n -c ${PKG}/${f} > ${GZ}/${f}.gz
    DEPENDS ${PKG}/${f} VERBATIM)
endforeach()
add_custom_target(package-docs ALL DEPENDS ${GZ}/changelog.gz ${GZ}/aritmetica.1.gz)
install(FILES ${GZ}/changelog.gz ${PKG}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/aritmetica)
install(FILES ${GZ}/aritmetica.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME aritmetica)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR "Aritmetica developers")
set(CPACK_PACKAGE_CONTACT "Aritmetica developers <aritmetica@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic drills for the first class of primary school")
set(CPACK_PACKAGE_DESCRIPTION "Short arithmetic exercises on a chalkboard for six-year-olds, in Italian:\n\
the next, previous and in-between number, numbers in digits and words,\n\
quantities, comparing and ordering, the number line, the abacus, and\n\
additions and subtractions with coloured rods.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the X11 platform plugin, the sound backend
# (whose "good" plugins decode the spoken phrases, MP3), and the faces that
# the text is measured from and drawn in (loaded by path).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-pulseaudio")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://aritmetica.example.org/")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
