# A Debian package of the program; its dependencies come from the libraries it links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${C3F8_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 columns, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "A single-window calculator for cooling engineers: from six inputs it\n\
computes the evaporation pressure, enthalpies, optimum mass flow and\n\
pre-heater power of an evaporative C3F8 cooling loop, with a\n\
pressure-enthalpy chart of the states.")
set(CPACK_PACKAGE_CONTACT "${C3F8_VENDOR} <c3f8calc@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's face, so that every caption fits its box.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
