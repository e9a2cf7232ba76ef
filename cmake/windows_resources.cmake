# The Windows resources of both programs (resources/windows/kirikata4.rc.in), compiled by
# windres: the icon that Explorer, the taskbar and shortcuts show for the file, made at build
# time from the XPM design; the version and copyright that Explorer's properties show, in
# Japanese; and the application manifest (resources/windows/kirikata4.manifest).
enable_language(RC)
include(${CMAKE_CURRENT_LIST_DIR}/icons.cmake)

# Explorer draws 16 (details, the title bar), 32, 48 (medium icons) and 256 (large and extra
# large icons, scaled down for the sizes between).
set(k4_windows_icon ${PROJECT_BINARY_DIR}/windows/kirikata4.ico)
k4_icon_file(${k4_windows_icon} 16 32 48 256)
add_custom_target(k4_windows_icon DEPENDS ${k4_windows_icon})

# The holder from the licence's copyright line, which the version resource repeats with the
# licence's name.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE k4_copyright_line REGEX "^Copyright " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) [0-9]+ " "" k4_copyright_holder "${k4_copyright_line}")
string(REPLACE "(c)" "©" k4_copyright "${k4_copyright_line}")
if(NOT k4_copyright_holder OR k4_copyright_holder STREQUAL k4_copyright_line)
    message(FATAL_ERROR "LICENSE has no line 'Copyright (c) <year> <holder>'")
endif()

# The four numbers of the file's version: 1.20 is 1,20,0,0.
set(k4_version_numbers ${PROJECT_VERSION_MAJOR})
foreach(part IN ITEMS MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
        string(APPEND k4_version_numbers ",0")
    else()
        string(APPEND k4_version_numbers ",${PROJECT_VERSION_${part}}")
    endif()
endforeach()

# k4_windows_resources(TARGET DESCRIPTION): the resources of TARGET, whose file Explorer
# describes as DESCRIPTION.
function(k4_windows_resources target description)
    set(K4_RC_NAME ${target})
    set(K4_RC_FILE ${target}.exe)
    set(K4_RC_DESCRIPTION ${description})
    set(K4_RC_ICON ${k4_windows_icon})
    set(K4_RC_MANIFEST ${PROJECT_SOURCE_DIR}/resources/windows/kirikata4.manifest)
    set(K4_RC_VERSION_NUMBERS ${k4_version_numbers})
    set(K4_RC_HOLDER ${k4_copyright_holder})
    set(K4_RC_COPYRIGHT "${k4_copyright}（MIT ライセンス）")
    set(K4_RC_COMMENTS
        "四桁くじのボックス買いのための予想ツールです。MIT ライセンスのフリーソフトウェアで、"
        "Qt ${Qt6_VERSION}（LGPL-3.0）を静的にリンクしています。")
    string(JOIN "" K4_RC_COMMENTS ${K4_RC_COMMENTS})
    set(script ${PROJECT_BINARY_DIR}/windows/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/kirikata4.rc.in ${script} @ONLY)
    target_sources(${target} PRIVATE ${script})
    # windres reports no dependencies: the script is compiled again when the icon or the
    # manifest changes.
    set_source_files_properties(${script} TARGET_DIRECTORY ${target} PROPERTIES
                                OBJECT_DEPENDS "${K4_RC_ICON};${K4_RC_MANIFEST}")
    add_dependencies(${target} k4_windows_icon)
endfunction()

k4_windows_resources(kirikata4 "キリカータ４")
k4_windows_resources(kirikata4-tool "キリカータ４ 過去の結果の取り込みとバックテストのコマンド")
