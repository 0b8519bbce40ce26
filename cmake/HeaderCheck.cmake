# Every header compiles on its own: one generated source per header, each including nothing
# but that header twice (the second time checks the include guard). Built by the default
# build, so a header that leans on what its includer happened to include first fails it.
function(korvocad_header_check target)
  set(sources "")
  foreach(layer IN LISTS ARGN)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${layer}/*.h)
    foreach(header IN LISTS headers)
      file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${header})
      string(MAKE_C_IDENTIFIER ${relative} name)
      set(source ${CMAKE_BINARY_DIR}/header_check/${name}.cpp)
      # CONFIGURE rewrites the file only when its text changes, so nothing rebuilds needlessly.
      file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${relative}\"\n#include \"${relative}\"\n")
      list(APPEND sources ${source})
    endforeach()
  endforeach()
  add_library(${target} OBJECT ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  korvocad_warnings(${target})
endfunction()
