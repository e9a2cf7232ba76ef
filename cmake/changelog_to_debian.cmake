# Turns CHANGELOG.md into a changelog in Debian's format (deb-changelog(5)):
#     cmake -DSOURCE=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=kirikata4
#           "-DMAINTAINER=Name <address>" -P changelog_to_debian.cmake
# A "## VERSION — YYYY-MM-DD" heading starts an entry, a "- " line starts one of its items and a
# line indented by two spaces goes on with the item. Any other line is the file's own prose.
cmake_minimum_required(VERSION 3.25)

# The text is cut into a list of lines, so the list separator is swapped out of it meanwhile.
string(ASCII 31 separator)
file(READ "${SOURCE}" text)
string(REPLACE ";" "${separator}" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

set(changelog "")
set(footer "")
foreach(line IN LISTS lines)
    if(line MATCHES "^## ([^ ]+) [^ ]+ ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
        set(version "${CMAKE_MATCH_1}")
        # RFC 5322 dates in English, as dpkg-parsechangelog expects.
        execute_process(COMMAND env LC_ALL=C date -u -R -d "${CMAKE_MATCH_2} 12:00"
                        OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND changelog "${footer}${PACKAGE} (${version}) unstable; urgency=medium\n\n")
        set(footer "\n -- ${MAINTAINER}  ${date}\n\n")
    elseif(line MATCHES "^## ")
        message(FATAL_ERROR "${SOURCE}: a heading that is no version and date: ${line}")
    elseif(line MATCHES "^- (.*)$" AND footer)
        string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  ([^ ].*)$" AND footer)
        string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
    endif()
endforeach()
if(NOT footer)
    message(FATAL_ERROR "${SOURCE} holds no version")
endif()
string(APPEND changelog "${footer}")
string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}")
string(REPLACE "${separator}" ";" changelog "${changelog}")
file(WRITE "${OUTPUT}" "${changelog}")
