# Debian packages: the window program, and the command-line program on its own, which needs no
# Qt and so installs on a headless test-stand machine. Their dependencies come from the
# libraries they link.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli)
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
include(CPack)
