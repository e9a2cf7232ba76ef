# Installation (`cmake --install`) and the Debian package (`cpack -G DEB`).
#
# Under the prefix:
#   bin/kirikata4                                  the program
#   bin/kirikata4-launch                           prepares the data folder and starts it there
#   bin/kirikata4-tool                             imports past results, backtests the prediction
#   share/kirikata4/initial/                       the initial data files the launcher copies
#   share/icons/hicolor/<n>x<n>/apps/kirikata4.png the icon, 16 to 256 pixels square
#   share/applications/kirikata4.desktop           the menu entry
#   share/metainfo/kirikata4.metainfo.xml          what software centres show (AppStream)
#   share/doc/kirikata4/manual.html                the manual that the menu's 使いかた opens
#   share/man/man1/, share/doc/kirikata4/          manual pages, changelog, copyright
#                                                  (cmake/documentation.cmake)
include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(K4_INSTALL_INITIAL_DIR ${CMAKE_INSTALL_DATADIR}/kirikata4/initial)

install(TARGETS kirikata4 kirikata4-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${K4_INITIAL_DATA_PATHS} DESTINATION ${K4_INSTALL_INITIAL_DIR})

# The installed launcher finds the program and the initial files relative to its own folder,
# so the tree works under any prefix and also when unpacked somewhere else (DESTDIR, dpkg -x).
block(SCOPE_FOR VARIABLES)
    set(LAUNCH_PROGRAM kirikata4)
    file(RELATIVE_PATH LAUNCH_INITIAL_DIR ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_DATADIR}/kirikata4/initial)
    configure_file(${PROJECT_SOURCE_DIR}/resources/kirikata4-launch.in
                   ${PROJECT_BINARY_DIR}/install/kirikata4-launch @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
endblock()
install(PROGRAMS ${PROJECT_BINARY_DIR}/install/kirikata4-launch
        DESTINATION ${CMAKE_INSTALL_BINDIR})

# Desktops look icons up as PNG in the hicolor theme at the size they draw: 48 is the size every
# desktop finds, 16 to 32 menus and panels, 64 and 128 software centres, 256 large views. The XPM
# stays the one reviewable source; each size is made from it at build time.
include(${CMAKE_CURRENT_LIST_DIR}/icons.cmake)
set(k4_icon_pngs)
foreach(size IN ITEMS 16 32 48 64 128 256)
    set(png ${PROJECT_BINARY_DIR}/install/icons/${size}x${size}/kirikata4.png)
    k4_icon_file(${png} ${size})
    list(APPEND k4_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(k4_icon_png ALL DEPENDS ${k4_icon_pngs})

install(FILES ${PROJECT_SOURCE_DIR}/resources/manual.html DESTINATION ${CMAKE_INSTALL_DOCDIR})

install(FILES ${PROJECT_SOURCE_DIR}/resources/kirikata4.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/kirikata4.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The Debian package. The libraries the program links (Qt 6 Core, Gui and Widgets, the C++
# runtime) are found by dpkg-shlibdeps, which also sets their minimum versions; the xcb platform
# plugin ships in libqt6gui6 on Debian 12. Declared by hand are what the program uses without
# linking it: the Japanese Gothic fonts of its windows, Qt's Japanese translations and xdg-open
# for the report, the data folder and the manual. The Wayland platform plugin is only
# recommended: without it the program runs through XWayland.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kirikata4)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "kirikata4 maintainers <maintainers@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "box bet predictions for a four-digit lottery (Japanese)")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A small desktop tool with a Japanese user interface for the box bet of a"
    "four-digit lottery. It keeps the history of draw results in three text files"
    "in the user's data folder, narrows a table of 570 candidate box combinations"
    "with a fixed chain of rules drawn from that history, lists the surviving"
    "combinations and writes a prediction report.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_project_config.cmake)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(${CMAKE_CURRENT_LIST_DIR}/documentation.cmake)
include(CPack)
