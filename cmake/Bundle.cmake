# cmake --build build --target bundle: the portable download, one folder with
# both programs and everything they need beyond a desktop's baseline, packed
# as voltrix-trayecta-<version>-linux-<arch>.tar.gz in the build folder.
# Included from packaging/, whose folder holds the configured .desktop files.
set(ORVALIS_BUNDLE_NAME voltrix-trayecta-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
add_custom_target(bundle
  COMMAND ${PROJECT_SOURCE_DIR}/packaging/bundle/make-bundle.sh
          ${PROJECT_BINARY_DIR} ${ORVALIS_BUNDLE_NAME} ${PROJECT_VERSION} ${CMAKE_CURRENT_BINARY_DIR}
          voltrix=$<TARGET_FILE:voltrix>=${VOLTRIX_DESKTOP_ID}
          trayecta=$<TARGET_FILE:trayecta>=${TRAYECTA_DESKTOP_ID}
  DEPENDS voltrix trayecta
  BYPRODUCTS ${PROJECT_BINARY_DIR}/${ORVALIS_BUNDLE_NAME}.tar.gz
  COMMENT "Portable bundle ${ORVALIS_BUNDLE_NAME}.tar.gz"
  VERBATIM USES_TERMINAL)
