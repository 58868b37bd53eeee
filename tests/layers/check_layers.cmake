# Checks that the core's layers only include downward and never Qt. Run as
#   cmake -DSOURCE_DIR=<tree> -P check_layers.cmake
# Every source file of a core folder (its ui/ subfolder is the desktop program's) may
# include the standard library and system libraries (<...>) and, by their path from the top
# of the tree ("..."), headers of the core folders at its own layer or below. Each include
# that climbs, reaches the desktop program or another folder, or names Qt is reported and
# the check fails.
cmake_minimum_required(VERSION 3.25)

# The core folders from the bottom up; their order is the layer order.
set(core_layers model render output cli)
# Folders of the desktop program, which no core file may include.
set(front_end_folders app controls res ui_support)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "set SOURCE_DIR to the tree to check")
endif()

set(violations "")
set(files_checked 0)
foreach(folder IN LISTS core_layers)
  list(FIND core_layers ${folder} own_rank)
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  list(SORT sources)
  foreach(source IN LISTS sources)
    if(source MATCHES "^${folder}/ui/")
      continue()
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
      string(REGEX MATCH "^[^/]+" target_folder "${header}")
      list(FIND core_layers "${target_folder}" target_rank)
      if(header MATCHES "^[^/]+/ui/" OR target_folder IN_LIST front_end_folders)
        list(APPEND violations "${source} includes the front end (${header})")
      elseif(target_rank EQUAL -1)
        list(APPEND violations "${source} includes ${header}, which is not in a core folder")
      elseif(target_rank GREATER own_rank)
        list(APPEND violations "${source} includes ${header}, a layer above ${folder}/")
      endif()
    endforeach()
  endforeach()
endforeach()

if(files_checked EQUAL 0)
  message(FATAL_ERROR "no core sources found under ${SOURCE_DIR}")
endif()
if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "the core's layers are broken:\n  ${report}")
endif()
message(STATUS "${files_checked} core files include only their own layer and those below")
