# Checks that the core's layers only include downward and never Qt, and that the desktop
# program's folders only include their own layer, those below and the core. Run as
#   cmake -DSOURCE_DIR=<tree> -P check_layers.cmake
# Every source file of a core folder (its ui/ subfolder is the desktop program's) may
# include the standard library and system libraries (<...>) and, by their path from the top
# of the tree ("..."), headers of the core folders at its own layer or below. Each include
# that climbs, reaches the desktop program or another folder, or names Qt is reported and
# the check fails. A front-end file may include the core and the front-end folders at its
# own layer or below; no front-end folder but app/ itself includes app/.
cmake_minimum_required(VERSION 3.25)

# The core folders from the bottom up; their order is the layer order. render/vector/ is a
# layer of its own (the smooth drawing on cairo), between render/ and output/.
set(core_layers model render render/vector output cli)
# Folders of the desktop program, which no core file may include.
set(front_end_folders app controls res ui_support)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "set SOURCE_DIR to the tree to check")
endif()

# The folder of the layers a path from the top of the tree lies in: "render/ui" for
# render/ui/x.h, "render/vector" for render/vector/x.h, "render" for render/raster/x.h.
function(folder_of path out)
  string(REGEX MATCH "^[^/]+/(ui|vector)/" subfolder "${path}")
  if(subfolder)
    string(REGEX REPLACE "/$" "" folder "${subfolder}")
  else()
    string(REGEX MATCH "^[^/]+" folder "${path}")
  endif()
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

# The sources of a folder and its subfolders, by their path from the top of the tree, sorted.
function(sources_below folder out)
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  list(SORT sources)
  set(${out} "${sources}" PARENT_SCOPE)
endfunction()

set(violations "")
set(files_checked 0)
foreach(folder IN LISTS core_layers)
  list(FIND core_layers ${folder} own_rank)
  sources_below(${folder} sources)
  foreach(source IN LISTS sources)
    folder_of("${source}" source_folder)
    if(NOT source_folder STREQUAL folder)
      continue()  # a ui/ subfolder, or a layer of its own such as render/vector/
    endif()
    math(EXPR files_checked "${files_checked} + 1")
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
      if(line MATCHES "<" AND header MATCHES "^Qt|^Q[A-Z]")
        list(APPEND violations "${source} includes Qt (${header})")
        continue()
      endif()
      if(line MATCHES "<")
        continue()  # the standard library and system libraries
      endif()
      # The project's own headers are named from the top of the tree.
      folder_of("${header}" target_folder)
      list(FIND core_layers "${target_folder}" target_rank)
      string(REGEX MATCH "^[^/]+" top_folder "${header}")
      if(header MATCHES "^[^/]+/ui/" OR top_folder IN_LIST front_end_folders)
        list(APPEND violations "${source} includes the front end (${header})")
      elseif(target_rank EQUAL -1)
        list(APPEND violations "${source} includes ${header}, which is not in a core folder")
      elseif(target_rank GREATER own_rank)
        list(APPEND violations "${source} includes ${header}, a layer above ${folder}/")
      endif()
    endforeach()
  endforeach()
endforeach()

# The desktop program's folders from the bottom up; their order is the layer order.
set(front_end_layers ui_support controls res fill/ui output/ui render/ui app)
foreach(folder IN LISTS front_end_layers)
  list(FIND front_end_layers ${folder} own_rank)
  sources_below(${folder} sources)
  foreach(source IN LISTS sources)
    math(EXPR files_checked "${files_checked} + 1")
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
      folder_of("${header}" target_folder)
      list(FIND front_end_layers "${target_folder}" target_rank)
      if(target_rank GREATER own_rank)
        list(APPEND violations "${source} includes ${header}, a front-end layer above ${folder}/")
      endif()
    endforeach()
  endforeach()
endforeach()

if(files_checked EQUAL 0)
  message(FATAL_ERROR "no core sources found under ${SOURCE_DIR}")
endif()
if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "the layers are broken:\n  ${report}")
endif()
message(STATUS "${files_checked} files include only their own layer and those below")
