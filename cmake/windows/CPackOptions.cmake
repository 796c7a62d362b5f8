# Read by cpack before each generator: the installer holds the town alone, as one
# whole (no page of components to choose), under its own name.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_COMPONENTS_ALL town)
  set(CPACK_MONOLITHIC_INSTALL ON)
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-win64-setup")
endif()
