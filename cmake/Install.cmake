# Installation and the Debian package.
#
#   cmake --install build --prefix P     P/bin/heatcalc and heatcalc-batch, the
#                                        latter's PDF module in P/lib/heatcalc,
#                                        the shipped data in P/share/heatcalc,
#                                        the desktop entry, icons and AppStream
#                                        metainfo
#   (cd build && cpack -G DEB)           heatcalc_<version>_<arch>.deb for /usr
#
# An installed program cannot write beside itself: it works in the user's
# data folder and reads the shipped data from share/heatcalc (see
# src/store/WorkingFolder.h). The shipped data is the code page 932 form the
# build writes into bin/; the working store is not shipped, so a developer's
# saved conditions never reach a package: the first start copies the
# factory store.
include(GNUInstallDirs)

# The name of the desktop entry, the icon and the AppStream component.
set(HEATCALC_APP_ID "org.heatcalc.heatcalc" CACHE STRING "Reverse-DNS name of the desktop entry and icon")
set(HEATCALC_MAINTAINER "HeatCalc developers <maintainers@heatcalc.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(heatcalc_share ${CMAKE_INSTALL_DATADIR}/heatcalc)
# Where the program finds its shipped data, relative to its own folder.
file(RELATIVE_PATH heatcalc_shipped_relative
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${heatcalc_share})
target_compile_definitions(heatcalc PRIVATE
  HEATCALC_SHIPPED_DATA="${heatcalc_shipped_relative}" HEATCALC_APP_ID="${HEATCALC_APP_ID}")

install(TARGETS heatcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The line-list command beside the program, and the PDF module it loads by
# name (Qt Gui) in the program's library folder.
set(heatcalc_module_dir ${CMAKE_INSTALL_LIBDIR}/heatcalc)
file(RELATIVE_PATH heatcalc_module_relative
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${heatcalc_module_dir})
target_compile_definitions(heatcalc-batch PRIVATE
  HEATCALC_SHIPPED_DATA="${heatcalc_shipped_relative}" HEATCALC_MODULE_DIR="${heatcalc_module_relative}")
install(TARGETS heatcalc-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS heatcalc-schedule-pdf LIBRARY DESTINATION ${heatcalc_module_dir})

# The shipped data: the same files data/CMakeLists.txt converts into bin/.
file(GLOB_RECURSE heatcalc_shipped RELATIVE ${CMAKE_SOURCE_DIR}/data CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/data/G1de-ta/*.csv ${CMAKE_SOURCE_DIR}/data/siryou/*.csv
  ${CMAKE_SOURCE_DIR}/data/formtext/*.txt ${CMAKE_SOURCE_DIR}/data/text/*.txt)
foreach(rel ${heatcalc_shipped})
  get_filename_component(rel_dir ${rel} DIRECTORY)
  install(FILES ${HEATCALC_BIN_DIR}/${rel} DESTINATION ${heatcalc_share}/${rel_dir})
endforeach()

# The licence text, once the source tree holds it.
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# Desktop entry, AppStream metainfo and icons, named after the application id.
configure_file(${CMAKE_SOURCE_DIR}/data/heatcalc.desktop.in
               ${CMAKE_BINARY_DIR}/packaging/${HEATCALC_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/heatcalc.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${HEATCALC_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${HEATCALC_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${HEATCALC_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The PNG sizes are drawn once from the SVG and kept in data/icons:
#   for s in 48 64 128 256; do rsvg-convert -w $s -h $s heatcalc.svg -o heatcalc-$s.png; done
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/heatcalc.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${HEATCALC_APP_ID}.svg)
foreach(size 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/heatcalc-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${HEATCALC_APP_ID}.png)
endforeach()

# The Debian package. dpkg-shlibdeps (dpkg-dev) derives the libraries the
# program links, with their versions: libc6, libstdc++6, libqt6core6,
# libqt6gui6, libqt6widgets6, and any Qt module linked later (charts, print
# support) without a change here. What no link shows is listed by hand: the
# Japanese font the window asks for. Without dpkg-shlibdeps the Qt
# libraries are listed by hand as well.
set(CPACK_PACKAGE_NAME heatcalc)
set(CPACK_PACKAGE_VENDOR "HeatCalc developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "heat-transfer calculator for practical engineering (Japanese)")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Heat losses of plates, walls, insulated cylinders, pipe flow and sheathed"
  "heaters, heater powers for heating liquids, gases and solids, and"
  "correlations for the heat-transfer coefficient, in one window with a"
  "Japanese user interface. heatcalc-batch makes the insulation schedule of"
  "a line list from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${HEATCALC_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(heatcalc_deb_depends fonts-ipafont-gothic)
find_program(HEATCALC_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(HEATCALC_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  list(APPEND heatcalc_deb_depends libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6svg6
       libqt6printsupport6 libqt6concurrent6 libstdc++6 libc6)
endif()
list(JOIN heatcalc_deb_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# The Wayland platform and the desktop's input methods and file dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-qpa-plugins")
set(CPACK_GENERATOR DEB)
include(CPack)
