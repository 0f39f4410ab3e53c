# SPDX-License-Identifier: MIT
# The faces a browser build draws with. Qt for WebAssembly finds no fonts on
# the system, and ours carries none (cmake/qt-wasm/), so the program brings
# its own: Arimo, the metric twin of Liberation Sans that the desktop draws
# the window in, cut down at configure time to the scripts a typed name shows
# (Latin, Greek, Cyrillic) and to the bold letters the marks need, without
# hinting or the layout tables that only HarfBuzz would read. The same source
# font and options always give the same bytes.
# Sets ZAPGRID_WEB_FONT_DIR and ZAPGRID_WEB_FONTS (the names of the files in
# it).
find_program(PYFTSUBSET pyftsubset REQUIRED)
set(ZAPGRID_WEB_FONT_DIR ${CMAKE_BINARY_DIR}/web-fonts)
set(source_dir /usr/share/fonts/truetype/croscore)
set(regular_ranges "U+0020-007E,U+00A0-024F,U+02B0-036F,U+0370-03FF,U+0400-052F,U+1E00-1EFF,\
U+1F00-1FFF,U+2000-206F,U+20A0-20CF,U+2100-214F,U+2190-2199,U+2212,U+FFFD")
set(bold_ranges "U+0020-007E,U+00A0-00FF")
set(ZAPGRID_WEB_FONTS)
foreach(face Regular Bold)
    string(TOLOWER ${face}_ranges ranges)
    set(output ${ZAPGRID_WEB_FONT_DIR}/Arimo-${face}.ttf)
    file(MAKE_DIRECTORY ${ZAPGRID_WEB_FONT_DIR})
    execute_process(
        COMMAND ${PYFTSUBSET} ${source_dir}/Arimo-${face}.ttf --unicodes=${${ranges}}
                --layout-features= --no-hinting --desubroutinize --output-file=${output}.new
        COMMAND_ERROR_IS_FATAL ANY)
    # Left as it was when the same: nothing is rebuilt for it.
    file(COPY_FILE ${output}.new ${output} ONLY_IF_DIFFERENT)
    file(REMOVE ${output}.new)
    list(APPEND ZAPGRID_WEB_FONTS Arimo-${face}.ttf)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_FILE})

# Builds the faces into target as Qt resources under :/fonts/.
function(zapgrid_web_fonts target)
    list(TRANSFORM ZAPGRID_WEB_FONTS PREPEND ${ZAPGRID_WEB_FONT_DIR}/ OUTPUT_VARIABLE files)
    qt_add_resources(${target} web_fonts PREFIX /fonts BASE ${ZAPGRID_WEB_FONT_DIR}
                     OPTIONS --format-version 1 FILES ${files})
endfunction()
