# The layer checks on small source trees with one planted fault each: every
# fault is found and named, and the clean tree passes both checks.
#   cmake -DVELMORA_WORK_DIR=FOLDER -P planted_faults.cmake
cmake_minimum_required(VERSION 3.25)
set(checks_dir ${CMAKE_CURRENT_LIST_DIR})
set(table [=[# A tree
## Layers

| layer | what it is | includes | knows nothing of |
|---|---|---|---|
| `low/` | the lowest layer | — | the rest |
| `high/` | builds on low; a cell may hold [brackets] and semicolons | `low/` | the window |
| `high/window/` | the window | `high/`, `low/`, `Qt` | — |

## Next section
| `late/` | a table outside the layer section is no layer table | — | — |
]=])

# planted(NAME CHECK EXPECTED FILE CONTENT [FILE CONTENT ...]): the clean tree
# plus the files given, checked by CHECK (include_layers or qt_headers);
# EXPECTED is "passes" or a text the failure must contain.
function(planted name check expected)
  set(tree "${VELMORA_WORK_DIR}/${name}")
  file(REMOVE_RECURSE "${tree}")
  file(WRITE "${tree}/ARCHITECTURE.md" "${table}")
  file(WRITE "${tree}/low/value.h" "#pragma once\n#include <string>\n")
  file(WRITE "${tree}/low/value.cpp" "#include \"low/value.h\"\n#include \"value.h\"\n")
  file(WRITE "${tree}/high/figure.h" "#pragma once\n#include \"low/value.h\"\n")
  file(WRITE "${tree}/high/window/form.cpp"
       "#include <QWidget>\n#include <QtCore/QString>\n#include \"high/figure.h\"\n#include \"form.moc\"\n")
  file(WRITE "${tree}/build/CMakeCache.txt" "")
  file(WRITE "${tree}/build/generated.cpp" "#include <QObject>\n#include \"nowhere.h\"\n")
  set(files ${ARGN})
  while(files)
    list(POP_FRONT files path content)
    file(WRITE "${tree}/${path}" "${content}")
  endwhile()
  execute_process(COMMAND ${CMAKE_COMMAND} -DVELMORA_SOURCE_DIR=${tree} -P ${checks_dir}/${check}.cmake
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expected STREQUAL "passes")
    if(NOT status EQUAL 0)
      message(SEND_ERROR "${name}: ${check} should pass, but says:\n${out}")
    endif()
  elseif(status EQUAL 0)
    message(SEND_ERROR "${name}: ${check} passes; it should find: ${expected}")
  else()
    string(FIND "${out}" "${expected}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${name}: ${check} fails without naming \"${expected}\":\n${out}")
    endif()
  endif()
endfunction()

planted(clean_includes include_layers passes)
planted(clean_qt qt_headers passes)
planted(lower_layer_includes_a_higher include_layers "low/value.cpp: includes high/figure.h of high/, but low/ may include no other layer"
        low/value.cpp "#include \"high/figure.h\"\n")
planted(outer_folder_includes_its_inner_layer include_layers "high/figure.cpp: includes high/window/form.h of high/window/"
        high/window/form.h "#pragma once\n" high/figure.cpp "#include \"high/window/form.h\"\n")
planted(bare_name_found_through_the_include_path include_layers "low/other.cpp: includes high/figure.h of high/"
        low/other.cpp "#include \"figure.h\"\n")
planted(name_of_no_file include_layers "low/other.cpp: \"gone.h\" is no source file"
        low/other.cpp "#include \"gone.h\"\n")
planted(folder_without_a_row include_layers "late/x.cpp: its folder is in no row of the layer table"
        late/x.cpp "#include \"low/value.h\"\n")
planted(qt_class_outside_the_window qt_headers "high/figure.cpp: includes QString"
        high/figure.cpp "#include <QString>\n")
planted(qt_module_outside_the_window qt_headers "low/value.cpp: includes QtCore/QCoreApplication"
        low/value.cpp "  #  include \"QtCore/QCoreApplication\"\n")
