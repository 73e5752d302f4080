# Installing the game like any desktop game: the program in bin/, its data in share/korvald/
# (where the program looks for it, ../share/korvald from the executable), the menu entry, the
# icon at each size and the AppStream metadata. The player's settings and maps go to
# ~/.local/share/korvald at run time; nothing under the prefix is written after installation.
#
#   cmake --install build/release --prefix /usr/local
#   cd build/release && cpack -G DEB
include(GNUInstallDirs)

set(KORVALD_APP_ID org.korvald.Korvald)
set(KORVALD_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# Installed, the program takes its Qt and other libraries from the system.
set_target_properties(korvald PROPERTIES INSTALL_RPATH "")
install(TARGETS korvald RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program searches for share/korvald beside its bin/, so the data folder is fixed.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/config ${PROJECT_SOURCE_DIR}/data/maps
                  ${PROJECT_SOURCE_DIR}/data/help
        DESTINATION share/korvald)
install(FILES ${KORVALD_PACKAGING_DIR}/korvald.desktop DESTINATION share/applications)
foreach(size 48 64 128 256)
    install(FILES ${KORVALD_PACKAGING_DIR}/icons/${size}x${size}/korvald.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KORVALD_PACKAGING_DIR}/${KORVALD_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/assets/fonts/blankenburg-COPYRIGHT.txt
        DESTINATION share/doc/korvald)

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME korvald)
set(CPACK_PACKAGE_VENDOR "The Korvald developers")
set(CPACK_PACKAGE_CONTACT "The Korvald developers <korvald@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turn-based naval strategy game of the Second World War")
set(CPACK_PACKAGE_DESCRIPTION
    "Two navies face each other on a ten by ten grid over a chart of a real sea region. Each
turn you step one unit by one cell; a step onto an enemy unit is a fight. Single battles
against the computer, campaigns, network games and a map editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# What the program links (as dpkg-shlibdeps finds it on Debian 12), the Qt platform plugins
# without which no window opens, and a font for every text but the title (which is built in).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11), libjpeg62-turbo (>= 1.3.1), libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.1.2), libqt6widgets6 (>= 6.3.0), libqt6multimedia6 (>= 6.2.1), qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_GENERATOR DEB)
include(CPack)
