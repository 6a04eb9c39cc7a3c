# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A window's folder holds two libraries: ratebook_NAME_core, its arithmetic without Qt, on
# the libraries LINKS names; and ratebook_NAME, its window, on the documents, that core and
# the windows WINDOW_LINKS names, built only where the documents are.
function(ratebook_window name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "CORE;LINKS;WINDOW;WINDOW_LINKS")
    add_library(ratebook_${name}_core STATIC ${arg_CORE})
    target_link_libraries(ratebook_${name}_core PUBLIC ${arg_LINKS})
    if(TARGET ratebook_documents)
        qt_add_library(ratebook_${name} STATIC ${arg_WINDOW})
        target_link_libraries(ratebook_${name} PUBLIC ratebook_documents ratebook_${name}_core ${arg_WINDOW_LINKS})
    endif()
endfunction()
