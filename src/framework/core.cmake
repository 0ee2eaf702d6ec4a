# Text and number functions of the framework, on QtCore only.
add_library(framework_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TextFunctions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberConversions.cpp)
target_include_directories(framework_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(framework_core PUBLIC framework_arrays Qt6::Core)
