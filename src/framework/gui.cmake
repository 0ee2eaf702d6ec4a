# The widget layer on Qt 6: windows, controls, menus, dialogs and files.
add_library(framework STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EventFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileType.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GroupBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Listbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuBarKeyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuHandlers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MsgBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PushButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RectControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Runtime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Separator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StandardEditCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextArea.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextOutputStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Window.cpp
)
target_include_directories(framework PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(framework PUBLIC Qt6::Widgets framework_arrays framework_core)
