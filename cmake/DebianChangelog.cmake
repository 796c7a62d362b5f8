# The changelog in Debian's format, compressed as Debian ships it (gzip -9n), made once
# per build folder for each package that carries it: <build>/data/changelog.gz, built by
# the target debian_changelog.
set(TOWN_CHANGELOG_GZ ${PROJECT_BINARY_DIR}/data/changelog.gz)
execute_process(
  COMMAND env LC_ALL=C date -u -R -d "${TOWN_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE TOWN_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/data/changelog.in ${PROJECT_BINARY_DIR}/data/changelog @ONLY)
add_custom_command(OUTPUT ${TOWN_CHANGELOG_GZ}
  COMMAND gzip -9nkf changelog
  DEPENDS ${PROJECT_BINARY_DIR}/data/changelog
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/data
  COMMENT "Changelog"
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${TOWN_CHANGELOG_GZ})
