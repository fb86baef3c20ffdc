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
# Qt's own translations of its dialogs and edit menus, for the languages
# Tarvik carries (its own are inside the program), from the host's Qt.
set(TARVIK_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH "Qt's .qm translations to ship")
foreach(code IN LISTS TARVIK_LANGUAGES)
  if(EXISTS ${TARVIK_QT_TRANSLATIONS_DIR}/qtbase_${code}.qm)
    install(FILES ${TARVIK_QT_TRANSLATIONS_DIR}/qtbase_${code}.qm DESTINATION translations COMPONENT tarvik)
  endif()
endforeach()
foreach(plugin IN LISTS TARVIK_WINDOWS_PLUGINS)
  get_filename_component(folder ${plugin} DIRECTORY)
  install(FILES ${TARVIK_QT_PLUGIN_DIR}/${plugin} DESTINATION ${folder} COMPONENT tarvik)
endforeach()
