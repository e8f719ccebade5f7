# The Debian package that CPack builds from the install rules: "cpack -G DEB" in the build
# folder. Its library dependencies are computed from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkora)
set(CPACK_PACKAGE_VENDOR "Velkora maintainers")
# A distributor puts its own name and address here: -DVELKORA_PACKAGE_MAINTAINER="...".
set(VELKORA_PACKAGE_MAINTAINER "Velkora maintainers <maintainers@velkora.invalid>"
  CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${VELKORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "translate, rotate and scale the points of survey coordinate files")
set(CPACK_PACKAGE_DESCRIPTION
  "Velkora reads ASCII coordinate files in five layouts (comma-delimited, Geopak delimited,\n\
the Geopak coordinate listing, SDMS points and the Tavrin 80-column layout), moves every\n\
point by a shift, a rotation about a pivot and a scale, and writes one output file in\n\
one of seven layouts with a plain-text conversion report. The package holds the desktop\n\
program velkora and the command-line program velkora-cli for batch work.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

include(CPack)
