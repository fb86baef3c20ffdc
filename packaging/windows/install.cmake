# Windows: the program, its Qt libraries and plugins, the MinGW runtime,
# the README and the LICENSE, all in one folder (a portable zip, and what
# the installer copies). TARVIK_WINDOWS_RUNTIME lists the DLLs to ship
# beside the program; scripts/windows-package.sh finds them.
install(TARGETS tarvik RUNTIME DESTINATION . COMPONENT tarvik)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . COMPONENT tarvik)
set(TARVIK_WINDOWS_RUNTIME "" CACHE STRING "DLLs to install beside tarvik.exe")
set(TARVIK_WINDOWS_PLUGINS "" CACHE STRING "Qt plugin DLLs, as FOLDER/NAME.dll under the Qt plugins folder")
set(TARVIK_QT_PLUGIN_DIR "" CACHE PATH "The Qt plugins folder")
if(TARVIK_WINDOWS_RUNTIME)
  install(FILES ${TARVIK_WINDOWS_RUNTIME} DESTINATION . COMPONENT tarvik)
endif()
foreach(plugin IN LISTS TARVIK_WINDOWS_PLUGINS)
  get_filename_component(folder ${plugin} DIRECTORY)
  install(FILES ${TARVIK_QT_PLUGIN_DIR}/${plugin} DESTINATION ${folder} COMPONENT tarvik)
endforeach()
