# Installation for Windows (`cmake --install`): the flat folder that scripts/windows-package
# zips as kirikata4-<version>-windows-x64. Unpacked, it is a working data folder: the program
# starts on the initial data files beside it.
#
#   kirikata4.exe, kirikata4-tool.exe     the program and its companion command
#   the initial data files (kri4.dat …)   see K4_INITIAL_DATA_FILES
#   はじめにお読みください.txt            how to start, where the data lives, the licences
#   使いかた.html                         the manual that the menu's 使いかた opens
#   licenses/                             the licence texts of the program and what it carries
install(TARGETS kirikata4 kirikata4-tool RUNTIME DESTINATION .)
install(FILES ${K4_INITIAL_DATA_PATHS} DESTINATION .)

# The texts are kept as UTF-8 with LF line ends and @PROJECT_VERSION@ for the version; Notepad
# gets them with a byte order mark and CR LF, under the given name.
function(k4_install_windows_text source destination name)
    file(READ ${source} text)
    string(CONFIGURE "${text}" text @ONLY)
    string(REPLACE "\n" "\r\n" text "${text}")
    string(ASCII 239 187 191 byte_order_mark)
    file(WRITE ${PROJECT_BINARY_DIR}/windows/${name} "${byte_order_mark}${text}")
    install(FILES ${PROJECT_BINARY_DIR}/windows/${name} DESTINATION ${destination})
endfunction()

install(FILES ${PROJECT_SOURCE_DIR}/resources/manual.html DESTINATION . RENAME 使いかた.html)

set(k4_readme はじめにお読みください.txt)
k4_install_windows_text(${PROJECT_SOURCE_DIR}/resources/windows/${k4_readme} . ${k4_readme})
k4_install_windows_text(${PROJECT_SOURCE_DIR}/LICENSE licenses LICENSE.txt)
k4_install_windows_text(${PROJECT_SOURCE_DIR}/resources/windows/Qt-LGPL-notice.txt licenses
                        Qt-LGPL-notice.txt)

# Qt's licences and those of the libraries it bundles, collected when the static Qt was built,
# and the licences of the mingw-w64 runtime that the programs carry.
install(DIRECTORY ${QT6_INSTALL_PREFIX}/licences/ DESTINATION licenses/Qt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright
        DESTINATION licenses RENAME mingw-w64-runtime.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright
        DESTINATION licenses RENAME gcc-runtime.txt)
