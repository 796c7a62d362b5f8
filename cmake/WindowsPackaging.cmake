# The Windows downloads, from `cpack` in build/windows (docs/windows.md):
#   fenns-town-<version>-win64.zip             the programs, the font, licences, readme
#   fenns-town-<version>-win64-setup.exe       the same as an installer for one user
#   fenns-town-gfx-<version>-win64-mingw.zip   the library for MinGW-w64 (component dev)
# The library is a zip of its own: whoever wants the town needs no headers and archives,
# and whoever builds a program gets one folder to name as CMAKE_PREFIX_PATH.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME fenns-town)
set(CPACK_PACKAGE_VENDOR "Fenn's Town developers")
set(CPACK_PACKAGE_CONTACT "Fenn's Town developers <town@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_STRIP_FILES ON)

# The zips: one a component, the files at the top of each. Windows' "Extract All"
# proposes a folder of the zip's own name, so the programs land in that folder with
# fonts\ beside them, not a folder deeper.
set(CPACK_COMPONENTS_ALL town dev)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_ARCHIVE_TOWN_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_ARCHIVE_DEV_FILE_NAME fenns-town-gfx-${PROJECT_VERSION}-win64-mingw)

# The installer: the town only, for the user who runs it, without administrator rights
# (cmake/windows/NSIS.template.in). Its uninstaller is listed under the user's apps by
# this key of HKCU.
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Fenn's Town")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY FennsTown)
set(CPACK_NSIS_DISPLAY_NAME "Fenn's Town")
set(CPACK_NSIS_PACKAGE_NAME "Fenn's Town ${PROJECT_VERSION}")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
# The Start-menu entry, when the town's desktop program is built.
if(TARGET town)
  set(CPACK_NSIS_TOWN_PROGRAM town.exe)
else()
  set(CPACK_NSIS_TOWN_PROGRAM "")
endif()
list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/windows)
# What differs by generator, read by cpack as it runs each.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/windows/CPackOptions.cmake)

include(CPack)
