# Compiler cache when the machine has one (several build trees share it).
find_program(AERITON_CCACHE ccache)
if(AERITON_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${AERITON_CCACHE})
endif()

# Helpers that turn each top-level folder into a logic library and a screen library.
#
#   aeriton_module(name DEPS a b)     -> aeriton_<name>    from <name>/*.cpp   (QtCore only)
#   aeriton_ui_module(name DEPS a b)  -> aeriton_<name>_ui from <name>/ui/*.cpp (Qt Widgets)
#
# A folder without sources yet becomes an INTERFACE library so that targets can
# already depend on it.

function(_aeriton_library target sources)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    set(${target}_KIND PUBLIC PARENT_SCOPE)
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    set(${target}_KIND INTERFACE PARENT_SCOPE)
  endif()
endfunction()

function(aeriton_module name)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${name}/*.cpp)
  set(target aeriton_${name})
  _aeriton_library(${target} "${sources}")
  set(kind ${${target}_KIND})
  set(libs Qt6::Core)
  foreach(dep ${M_DEPS})
    list(APPEND libs aeriton_${dep})
  endforeach()
  target_link_libraries(${target} ${kind} ${libs})
endfunction()

function(aeriton_ui_module name)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${name}/ui/*.cpp)
  set(target aeriton_${name}_ui)
  _aeriton_library(${target} "${sources}")
  set(kind ${${target}_KIND})
  set(libs aeriton_${name} Qt6::Widgets Qt6::PrintSupport)
  foreach(dep ${M_DEPS})
    list(APPEND libs aeriton_${dep}_ui)
  endforeach()
  target_link_libraries(${target} ${kind} ${libs})
endfunction()
