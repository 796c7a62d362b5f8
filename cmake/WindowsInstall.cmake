# What a Windows user unpacks or installs, the component town: the programs at the top
# of the folder, as Windows programs are found, with the font they read beside them
# (fonts\), the licences and a readme. The library for programs of one's own is the
# component dev, as on Linux (cmake/GfxInstall.cmake, with its Windows differences),
# with town-compare in its bin\ (gfx/tools/compare) and a toolchain file for building
# from Linux.
include(${PROJECT_SOURCE_DIR}/cmake/GfxInstall.cmake)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/windows/mingw-w64-toolchain.cmake
  DESTINATION ${CMAKE_INSTALL_DATADIR}/${gfx_name} COMPONENT dev EXCLUDE_FROM_ALL)

set(town_programs town-replay town-compare)
# town.exe comes with the native back end.
if(TARGET town)
  list(PREPEND town_programs town)
endif()
install(TARGETS ${town_programs} RUNTIME DESTINATION . COMPONENT town)
# The font's folder as the programs have it in the build.
file(RELATIVE_PATH font_install_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY} ${font_copy_dir})
install(FILES ${font_copy} ${font_copy_dir}/LICENSE.txt DESTINATION ${font_install_dir}
  COMPONENT town)

# Texts with Windows' line ends and a .txt name, which every Windows editor opens.
set(windows_texts ${CMAKE_CURRENT_BINARY_DIR}/windows-texts)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${windows_texts}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
foreach(part town dev)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/README-${part}.txt.in
    ${windows_texts}/${part}/README.txt @ONLY NEWLINE_STYLE CRLF)
endforeach()
install(FILES ${windows_texts}/LICENSE.txt ${windows_texts}/town/README.txt DESTINATION .
  COMPONENT town)
install(FILES ${windows_texts}/LICENSE.txt ${windows_texts}/dev/README.txt DESTINATION .
  COMPONENT dev EXCLUDE_FROM_ALL)
