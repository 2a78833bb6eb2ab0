# Run by CPack after it has made the packages: in each package that holds a shared library, the
# maintainer scripts that CPack wrote to call ldconfig give way to dpkg's ldconfig trigger.
find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(work ${CPACK_TOPLEVEL_DIRECTORY}/ldconfig-trigger)
    file(REMOVE_RECURSE ${work})
    execute_process(COMMAND ${DPKG_DEB} -R ${package} ${work} COMMAND_ERROR_IS_FATAL ANY)
    if(NOT EXISTS ${work}/DEBIAN/shlibs)
        continue()
    endif()
    foreach(script postinst postrm)
        # Nothing but the interpreter line, "set -e" and the ldconfig call may go with it.
        file(STRINGS ${work}/DEBIAN/${script} lines)
        list(FILTER lines EXCLUDE REGEX "^[ \t]*(#!.*|set -e|if .*; then|.*ldconfig.*|fi|)[ \t]*$")
        if(lines)
            message(FATAL_ERROR "${package}: ${script} does more than call ldconfig: ${lines}")
        endif()
        file(REMOVE ${work}/DEBIAN/${script})
    endforeach()
    file(WRITE ${work}/DEBIAN/triggers "activate-noawait ldconfig\n")
    execute_process(COMMAND ${DPKG_DEB} --root-owner-group -Zxz -b ${work} ${package}
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()
