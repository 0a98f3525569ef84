# Installing the game as a Linux game: the program in bin/, its default files in share/vexa99/,
# the menu entry, the icons and the AppStream metadata; and the Debian package made from that.
include(GNUInstallDirs)

set(VEXA_APP_ID cz.vexa99.Vexa99)
set(VEXA_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/vexa99)

# The program finds its default files relative to itself, so the install works under any prefix.
file(RELATIVE_PATH VEXA_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/vexa99)
set(VEXA_GAME_FILES ${VEXA_RUN_FILES} Brantel2.hlp)
configure_file(${CMAKE_SOURCE_DIR}/app/InstallLayout.h.in ${CMAKE_BINARY_DIR}/app/InstallLayout.h
               @ONLY)
target_include_directories(vexa99 PRIVATE ${CMAKE_BINARY_DIR})

install(TARGETS vexa99 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
list(TRANSFORM VEXA_GAME_FILES PREPEND ${VEXA_RUN_DIR}/ OUTPUT_VARIABLE game_file_paths)
install(FILES ${game_file_paths} DESTINATION ${VEXA_DATA_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VEXA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VEXA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS VEXA_MENU_ICON_SIZES)
    install(FILES ${VEXA_BUILTIN_DIR}/menu-icon-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VEXA_APP_ID}.png)
endforeach()

# `cpack -G DEB` in the build tree: vexa99_<version>_<arch>.deb, its dependencies read from the
# program's shared libraries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME vexa99)
set(CPACK_PACKAGE_VENDOR "VEXA 99")
set(CPACK_PACKAGE_CONTACT "VEXA 99 <pripominky@vexa99.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "target-archery match game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Steer the swaying sight over the target, draw the bow, wait for the clicker and let the "
    "arrow go. A full or short round of 36 arrows per distance against a field of up to 150 "
    "archers, with results and records. The game speaks Czech.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries cannot tell: Qt's Wayland platform plugin, so that the game runs natively on
# a Wayland session (added to what dpkg-shlibdeps finds); the X11 platform plugin, Qt's Czech
# button texts and the font the windows fall back to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
include(CPack)
