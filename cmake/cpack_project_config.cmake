# Read by cpack before it makes a package. The Debian package takes its library dependencies
# from dpkg-shlibdeps; without it cpack would quietly leave them out, so refuse instead.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(K4_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT K4_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps is missing: install the Debian package dpkg-dev")
    endif()
endif()
