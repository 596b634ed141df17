# Qt's headers only where the layer table of ARCHITECTURE.md lets a layer
# include `Qt` (the window, its program and their tests): every #include of a
# Qt class (<QString>, "QWidget") or module (<QtCore>, <QtTest/QTest>) in
# any other source file is a fault.
#   cmake -DVELMORA_SOURCE_DIR=FOLDER -P qt_headers.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/layer_table.cmake)
set(root "${VELMORA_SOURCE_DIR}")
velmora_read_layer_table("${root}/ARCHITECTURE.md")
velmora_source_files("${root}" sources)

set(qt_header "#[ \t]*include[ \t]*[<\"](Q[A-Z][A-Za-z]*|Qt[A-Z][A-Za-z]*(/[A-Za-z]+)?)[>\"]")
set(faults "")
foreach(source IN LISTS sources)
  velmora_layer_of("${source}" layer)
  if(layer STREQUAL "" OR VELMORA_QT_${layer})
    continue()
  endif()
  velmora_include_lines("${root}/${source}" lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "${qt_header}")
      list(APPEND faults "${source}: includes ${CMAKE_MATCH_1}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Qt outside the layers that may include it (ARCHITECTURE.md):\n  ${text}")
endif()
message(STATUS "Qt is included only by the layers that may")
