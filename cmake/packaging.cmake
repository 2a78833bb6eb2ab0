# Debian packages: the window program; the command-line program on its own, which needs no Qt
# and so installs on a headless test-stand machine; the C library, its development files and
# the Python package over it. Their dependencies come from the libraries they link.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli library development python)
if(C3F8_BUILD_PANEL)
    list(APPEND CPACK_COMPONENTS_ALL window)
endif()
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${C3F8_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${C3F8_VENDOR} <c3f8calc@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)

# Descriptions: a summary line, then lines of at most 80 columns, as Debian's tools show them.
# CPack puts a package-wide summary before each unless it is CPack's own default; each package
# here has a summary of its own.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_NAME} built using CMake")
set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_DEBIAN_WINDOW_DESCRIPTION "${PROJECT_DESCRIPTION}
A single-window calculator for cooling engineers: from six inputs it
computes the evaporation pressure, enthalpies, optimum mass flow and
pre-heater power of an evaporative C3F8 cooling loop, with a
pressure-enthalpy chart of the states.")
# The window's face, so that every caption fits its box.
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "fonts-liberation2")

set(CPACK_DEBIAN_CLI_PACKAGE_NAME ${PROJECT_NAME}-cli)
set(CPACK_DEBIAN_CLI_DESCRIPTION "${PROJECT_DESCRIPTION}, in series
The command-line program of c3f8calc: the same calculation of an
evaporative C3F8 cooling loop for sweeps over heat load or temperature,
lists of set points and CSV files, written as a table, CSV or JSON lines
for spreadsheets and scripts. It needs no window system.")
# The shared library as Debian policy has it: named after its soname, with a shlibs file and
# ldconfig run through a trigger.
set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME lib${PROJECT_NAME}${C3F8_SOVERSION})
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# A symbols file, from the .def file's list of functions and the version that brought each, so
# that a program built on a function depends on the library from that version on.
file(STRINGS ${PROJECT_SOURCE_DIR}/library/c3f8calc.def def_lines REGEX "^(; .*since|    c3f8_)")
set(symbols_node C3F8CALC_${C3F8_SOVERSION})
set(symbols "lib${PROJECT_NAME}.so.${C3F8_SOVERSION} lib${PROJECT_NAME}${C3F8_SOVERSION} #MINVER#\n")
string(APPEND symbols " ${symbols_node}@${symbols_node} 1.00\n")
foreach(line IN LISTS def_lines)
    if(line MATCHES "since ([0-9.]+)$")
        set(since ${CMAKE_MATCH_1})
    else()
        string(STRIP "${line}" name)
        string(APPEND symbols " ${name}@${symbols_node} ${since}\n")
    endif()
endforeach()
string(REPLACE "\\n" "\n" symbols "${symbols}")
file(WRITE ${PROJECT_BINARY_DIR}/debian-library/symbols "${symbols}")
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian-library/symbols)
# CPack calls ldconfig from maintainer scripts; Debian wants a trigger in their place.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ldconfig-trigger.cmake)
set(C3F8_LIBRARY_SUMMARY "calculation of an evaporative C3F8 cooling loop")
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION "${C3F8_LIBRARY_SUMMARY} - C library
The calculation of c3f8calc behind a C interface, for programs in C,
C++, Python, LabVIEW or MATLAB: one operating point from the texts a
user types, or whole arrays of points from numbers, with the fits of the
refrigerant's properties and the catalogue of fields.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME lib${PROJECT_NAME}-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "lib${PROJECT_NAME}${C3F8_SOVERSION} (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "${C3F8_LIBRARY_SUMMARY} - development files
The header c3f8calc.h, the link to the shared library, a pkg-config file
and a CMake package (find_package(c3f8calc), target c3f8calc::c3f8calc)
for building programs on libc3f8calc.")

set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-${PROJECT_NAME})
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "python3:any, python3-numpy, lib${PROJECT_NAME}${C3F8_SOVERSION} (>= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_PYTHON_PACKAGE_SUGGESTS "python3-matplotlib, python3-pandas")
set(CPACK_DEBIAN_PYTHON_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PYTHON_DESCRIPTION "${C3F8_LIBRARY_SUMMARY} - Python 3
The calculation of c3f8calc over NumPy arrays: operating points computed
for whole sweeps at once, a failed point giving NaN and its failure
rather than an exception, results as DataFrames and pressure-enthalpy
diagrams.")
include(CPack)
