# Installation into the usual places (GNUInstallDirs) and the Debian package.
include(GNUInstallDirs)

# Everything in one component: cpack then installs that component into its
# staging tree and records it in install_manifest_tarvik.txt, leaving the
# install_manifest.txt of a `cmake --install` (which `uninstall` reads) as
# it was.
install(TARGETS tarvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tarvik)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.tarvik.Tarvik.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT tarvik)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.tarvik.Tarvik.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT tarvik)
install(DIRECTORY ${TARVIK_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT tarvik)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarvik COMPONENT tarvik)  # named after the package, as Debian's are

# A source install comes out again: `cmake --build build --target uninstall`
# removes exactly the files the last `cmake --install` recorded.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -P ${PROJECT_SOURCE_DIR}/packaging/uninstall.cmake
  COMMENT "Removing the installed files")

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tarvik)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VENDOR "The Tarvik developers")
set(CPACK_PACKAGE_CONTACT "The Tarvik developers <developers@tarvik.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tarvik)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Depends from dpkg-shlibdeps
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "${PROJECT_DESCRIPTION}\n Edit the chi-square value, the cdf or the upper tail for 1 to 300\n degrees of freedom; the other fields, the density and a density chart\n follow at once.")
include(CPack)
