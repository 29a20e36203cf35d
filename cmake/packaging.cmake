# The Debian package, built by CPack's DEB generator (scripts/package):
# tavolier_<version>_amd64.deb with the game and tavolier-cli under
# /usr/games, everything else under /usr/share. The dependencies are worked
# out from the libraries the programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavolier)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "tavolier maintainers <maintainers@users.noreply.c-seed-299556f7.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "fixed-limit Texas Hold'em against seven computer opponents")
set(CPACK_PACKAGE_DESCRIPTION
    "One table, eight seats: you against Chong, Jack, Carlos, Cindy, Robert,
Edmund and Marc, in a window drawn as a card table. Four opponent levels,
chips and statistics kept between runs, an odds badge that rates your hand,
and tavolier-cli, a command-line companion that scores hands and plays whole
matches without a window.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The labels ask for fonts that fontconfig replaces with DejaVu or Liberation.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core | fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
