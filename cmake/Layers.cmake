# A layer is one folder of the game built as one static library. It sees only its own headers and
# those of the layers it uses, directly or through them: the build gives it an include folder that
# holds links to just those folders, so an include against the arrows fails to compile, and its
# links follow the same arrows. A layer's sub-folders (its rooms) are part of it: their sources build
# into the same library and their headers are included by path, e.g. "game/state/AppContext.h".
#
#   add_layer(<folder> [USES <layer>...] [LIBS <library>...])   -> target lexadrill_<folder>
function(add_layer layer)
  cmake_parse_arguments(LAYER "" "" "USES;LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/app/main.cpp)
  add_library(lexadrill_${layer} STATIC ${sources})

  set(seen ${layer})
  foreach(used ${LAYER_USES})
    get_property(below GLOBAL PROPERTY LEXADRILL_LAYER_SEES_${used})
    if(NOT below)
      message(FATAL_ERROR "layer ${layer} uses ${used}, which is not a layer below it")
    endif()
    list(APPEND seen ${below})
  endforeach()
  list(REMOVE_DUPLICATES seen)
  set_property(GLOBAL PROPERTY LEXADRILL_LAYER_SEES_${layer} ${seen})

  set(view ${CMAKE_BINARY_DIR}/layers/${layer})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view})
  foreach(folder ${seen})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(lexadrill_${layer} PRIVATE ${view})
  list(TRANSFORM LAYER_USES PREPEND lexadrill_)
  target_link_libraries(lexadrill_${layer} PUBLIC ${LAYER_USES} ${LAYER_LIBS})
endfunction()
