# The Debian package that scripts/package builds with `cpack -G DEB`: pellory_<version>_<arch>.deb,
# installing under /usr. dpkg-shlibdeps works its dependencies out from the executables; the
# packages they load without linking them are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellory)
set(CPACK_PACKAGE_VENDOR Pellory)
set(CPACK_PACKAGE_CONTACT "Pellory <support@pellory.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.pellory.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "US tax depreciation schedules for one business asset at a time")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A desktop calculator of the US tax depreciation of one business asset at a"
    "time: MACRS (half-year, mid-quarter and mid-month tables), ADS, Straight Line"
    "and Amortize, luxury automobiles capped by yearly limit tables, like-kind"
    "exchanges and involuntary conversions (sections 1031 and 1033), the 30%"
    "special allowance and the year of sale. It shows the schedule in a grid and"
    "prints it; pellory-calc computes the same schedules from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows need Qt's X11 platform plugin, which Qt loads at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The report's font "Courier new" maps to Liberation Mono, metric-compatible.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)

include(CPack)
