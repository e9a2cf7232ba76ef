# The icon's files, made at build time from its one source, resources/icons/kirikata4.xpm (a
# 32 x 32 design), by the icon converter (cmake/icon_converter), which runs on the build machine:
# in a native build it is a target of this build, in a cross build a project of its own built
# with the build machine's compiler and its Qt (QT_HOST_PATH, the Qt whose moc and rcc the
# cross build runs).
set(K4_ICON_SOURCE ${PROJECT_SOURCE_DIR}/resources/icons/kirikata4.xpm)
if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(k4_converter_dir ${PROJECT_BINARY_DIR}/icon_converter)
    set(K4_ICON_CONVERTER ${k4_converter_dir}/k4_icon_converter)
    set(k4_host_prefix)
    if(QT_HOST_PATH)
        set(k4_host_prefix -DCMAKE_PREFIX_PATH=${QT_HOST_PATH})
    endif()
    ExternalProject_Add(k4_icon_converter
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/cmake/icon_converter
        BINARY_DIR ${k4_converter_dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DKIRIKATA4_WERROR=${KIRIKATA4_WERROR}
                   ${k4_host_prefix}
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${K4_ICON_CONVERTER}
        INSTALL_COMMAND ""
        EXCLUDE_FROM_ALL ON)
    set(k4_converter_depends k4_icon_converter ${K4_ICON_CONVERTER})
else()
    add_subdirectory(${PROJECT_SOURCE_DIR}/cmake/icon_converter ${PROJECT_BINARY_DIR}/icon_converter)
    set(K4_ICON_CONVERTER k4_icon_converter)
    set(k4_converter_depends k4_icon_converter)
endif()

# k4_icon_file(OUTPUT SIZE...): makes OUTPUT, a .png of one size or a .ico of the sizes given.
function(k4_icon_file output)
    get_filename_component(folder ${output} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    add_custom_command(OUTPUT ${output}
                       COMMAND ${K4_ICON_CONVERTER} ${K4_ICON_SOURCE} ${output} ${ARGN}
                       DEPENDS ${k4_converter_depends} ${K4_ICON_SOURCE}
                       COMMENT "Making the icon ${output}"
                       VERBATIM)
endfunction()
