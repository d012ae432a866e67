# Installation on a freedesktop desktop (programs, menu entries, icon,
# AppStream metadata, manual pages), and
# the Debian package made from it: `cpack -G DEB` in the build folder.
include(GNUInstallDirs)

# Installing (and so packaging) takes the programs as built, and does not
# build the whole tree first: build the programs, then install or package.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(FERVANO_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(FERVANO_ICON_SVG ${FERVANO_PACKAGING}/icons/fervano.svg)
set(FERVANO_ICON_SIZES 16 32 48 64 128 256)
set(FERVANO_ICONS_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS fervano-pt fervano-es RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${FERVANO_PACKAGING}/fervano-pt.desktop ${FERVANO_PACKAGING}/fervano-es.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${FERVANO_ICON_SVG} DESTINATION ${FERVANO_ICONS_DIR}/scalable/apps)
install(FILES ${FERVANO_PACKAGING}/org.example.fervano.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages, one for each program in its edition's language, compressed
# as Debian keeps them (gzip -n: the same bytes at every build).
set(mans "")
foreach(ed pt es)
  set(man ${CMAKE_BINARY_DIR}/man/fervano-${ed}.1.gz)
  add_custom_command(
    OUTPUT ${man}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9 -n -c ${FERVANO_PACKAGING}/fervano-${ed}.1 > ${man}
    DEPENDS ${FERVANO_PACKAGING}/fervano-${ed}.1
    COMMENT "Compressing the manual page of fervano-${ed}")
  list(APPEND mans ${man})
  install(FILES ${man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(fervano-man ALL DEPENDS ${mans})
add_dependencies(fervano-pt fervano-man)
add_dependencies(fervano-es fervano-man)

# The PNG sizes of the icon are rendered from the SVG with rsvg-convert
# (Debian package librsvg2-bin), together with the programs.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(pngs "")
  foreach(size ${FERVANO_ICON_SIZES})
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/fervano.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${FERVANO_ICON_SVG}
      DEPENDS ${FERVANO_ICON_SVG}
      COMMENT "Rendering the ${size}x${size} icon"
      VERBATIM)
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION ${FERVANO_ICONS_DIR}/${size}x${size}/apps)
  endforeach()
  add_custom_target(fervano-icons ALL DEPENDS ${pngs})
  add_dependencies(fervano-pt fervano-icons)
  add_dependencies(fervano-es fervano-icons)
else()
  message(WARNING "rsvg-convert not found (Debian package librsvg2-bin): "
                  "the PNG icons cannot be rendered and the installation will lack them")
endif()

# Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fervano)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Equipe FERVANO")
set(CPACK_PACKAGE_CONTACT "Equipe FERVANO <fervano@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program about harmonics and induced voltages")
set(CPACK_PACKAGE_DESCRIPTION "FERVANO shows, with interactive simulations, how harmonics and induced
voltages arise in low-voltage electrical installations. It comes in a
Portuguese edition (fervano-pt) and a Spanish edition (fervano-es).")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipe FERVANO <fervano@example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://fervano.example.org/")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared libraries come from dpkg-shlibdeps; on top of them: the Qt SVG
# plugins (window icon), Qt's own texts in the editions' languages, and the
# fonts the layouts are drawn with.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n, fonts-liberation2, fonts-urw-base35")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), "
      "qt6-translations-l10n, fonts-liberation2, fonts-urw-base35")
  string(JOIN "" CPACK_DEBIAN_PACKAGE_DEPENDS ${CPACK_DEBIAN_PACKAGE_DEPENDS})
endif()

include(CPack)
