# The Debian package, made by CPack from what `cmake --install` puts under /usr: scripts/package builds
# it from the preset `package`. Its dependencies are Debian's packages of the libraries the binaries
# link, found by dpkg-shlibdeps, so it installs with `apt install ./<file>.deb` on Debian 12.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${TOVALIN_PACKAGE_NAME}")
set(CPACK_PACKAGE_VENDOR "Tovalin")
set(CPACK_PACKAGE_CONTACT "${TOVALIN_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TOVALIN_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop image optimizer, on this computer or with the Tovalin service")
set(CPACK_PACKAGE_DESCRIPTION
    "Tovalin Image Optimizer optimizes image files, or whole folders of them, and saves the
results beside them: Lossy, Glossy or Lossless compression, WebP and AVIF companions,
resizing, upscaling, background removal, keeping EXIF data and CMYK to RGB conversion.
Source images are never modified. It works on this computer, offline and without an
account, with the engine it brings along, or through the Tovalin image-optimization
service with the API key of a Tovalin account.

The package holds the window, the command line tool tovalin-optimize, and
tovalin-local-service, the engine on this computer, which the window and the command
line start themselves and which can also serve a team as a local HTTPS service.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to what dpkg-shlibdeps finds: the authorities that HTTPS to the service is checked against;
# Qt's Wayland platform, without which the window runs through XWayland; and Qt's own translations,
# without which the stock dialogs of a translated window speak English.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ca-certificates")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")

# A package for users trusts the system's authorities only: a build that embeds a certificate of its own
# (the local service's, a test one) is refused.
set(CPACK_TOVALIN_SERVICE_CA_FILE "${TOVALIN_SERVICE_CA_FILE}")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/PackageCheckNoCertificate.cmake")

include(CPack)
