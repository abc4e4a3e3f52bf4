# `cpack -G DEB` in a build folder makes a Debian package of what `cmake --install` puts there,
# under /usr. dpkg-shlibdeps (dpkg-dev) reads the libraries the program links; Qt's platform
# plugins are loaded at run time, so their package is named by hand.
set(QUORVANE_PACKAGE_MAINTAINER "Quorvane maintainers <maintainers@quorvane.example>"
    CACHE STRING "Maintainer written into the Debian package")

set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "The Quorvane authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converts test scores between standard-score scales")
# CPack starts each line of the description with a space and puts the summary above it; Debian
# wants those lines no longer than 80 characters, so the text is wrapped here by hand.
set(CPACK_PACKAGE_DESCRIPTION [[
Quorvane converts test scores between the standard-score scales of
psychological and educational assessment. Given a raw score with the mean and
standard deviation of its distribution, or any one standard score, it computes
the z score, T score, Wechsler IQ, NCE, CEEB score, AGCT score and percentile
rank.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageDate.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUORVANE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
