# The documentation that the package installs, made in the build folder's doc/:
#   share/man/man1/kirikata4{,-launch,-tool}.1.gz   a manual page for each command
#   share/doc/kirikata4/changelog.gz                CHANGELOG.md in Debian's changelog format
#   share/doc/kirikata4/copyright                   LICENSE in Debian's machine-readable format
# Debian wants them compressed with gzip -9n (best, without a file name or time stamp).
find_program(K4_HELP2MAN help2man REQUIRED)
find_program(K4_GZIP gzip REQUIRED)
set(K4_DOC_DIR ${PROJECT_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${K4_DOC_DIR})

# The manual pages come from each command's --help and --version output and an include file of
# the sections that output lacks (resources/man/<command>.h2m). help2man runs the built
# commands: without a display, in English, and with the leak check of a sanitizer build off.
set(K4_MANUAL_PAGES "")
function(k4_manual_page command program)
    set(include ${PROJECT_SOURCE_DIR}/resources/man/${command}.h2m)
    set(page ${K4_DOC_DIR}/${command}.1)
    add_custom_command(OUTPUT ${page}.gz
                       COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
                               ASAN_OPTIONS=detect_leaks=0
                               ${K4_HELP2MAN} --no-info --section=1 --include=${include}
                               --output=${page} ${program}
                       COMMAND ${K4_GZIP} -9nf ${page}
                       DEPENDS ${ARGN} ${include}
                       COMMENT "Making the manual page of ${command}"
                       VERBATIM)
    set(K4_MANUAL_PAGES ${K4_MANUAL_PAGES} ${page}.gz PARENT_SCOPE)
endfunction()
k4_manual_page(kirikata4 $<TARGET_FILE:kirikata4> kirikata4)
k4_manual_page(kirikata4-launch ${PROJECT_BINARY_DIR}/install/kirikata4-launch
               ${PROJECT_BINARY_DIR}/install/kirikata4-launch)
k4_manual_page(kirikata4-tool $<TARGET_FILE:kirikata4-tool> kirikata4-tool)

add_custom_command(OUTPUT ${K4_DOC_DIR}/changelog.gz
                   COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/CHANGELOG.md
                           -DOUTPUT=${K4_DOC_DIR}/changelog -DPACKAGE=${CPACK_PACKAGE_NAME}
                           -DMAINTAINER=${CPACK_PACKAGE_CONTACT}
                           -P ${PROJECT_SOURCE_DIR}/cmake/changelog_to_debian.cmake
                   COMMAND ${K4_GZIP} -9nf ${K4_DOC_DIR}/changelog
                   DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md
                           ${PROJECT_SOURCE_DIR}/cmake/changelog_to_debian.cmake
                   COMMENT "Making the Debian changelog from CHANGELOG.md"
                   VERBATIM)
add_custom_target(k4_documentation ALL DEPENDS ${K4_MANUAL_PAGES} ${K4_DOC_DIR}/changelog.gz)

# The copyright file: one paragraph for every file of the project, with the licence's terms
# from LICENSE (its lines indented by one space, an empty line written as " .").
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE k4_license)
string(FIND "${k4_license}" "Permission is hereby granted" k4_terms_start)
string(SUBSTRING "${k4_license}" ${k4_terms_start} -1 k4_terms)
string(STRIP "${k4_terms}" k4_terms)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" k4_holder "${k4_license}")
string(REPLACE "\n\n" "\n.\n" k4_terms "${k4_terms}")
string(REPLACE "\n" "\n " k4_terms " ${k4_terms}")
string(JOIN "\n" k4_copyright
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    "Upstream-Name: kirikata4"
    "Upstream-Contact: ${CPACK_PACKAGE_CONTACT}"
    ""
    "Files: *"
    "Copyright: ${CMAKE_MATCH_1}"
    "License: Expat"
    "${k4_terms}"
    "")
file(CONFIGURE OUTPUT ${K4_DOC_DIR}/copyright CONTENT "${k4_copyright}" @ONLY)

install(FILES ${K4_MANUAL_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${K4_DOC_DIR}/changelog.gz ${K4_DOC_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
