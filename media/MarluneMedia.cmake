# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# The program's media, shared by media/CMakeLists.txt and by any executable that
# wants a copy beside itself in the build tree.
function(marlune_media_files out)
  set(names
    button.png button_lit.png titlebar.png marlune.png marlune32.png
    popup.wav minimize.wav maximize.wav BeEP.wav dock.wav)
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Copies the media next to target's executable after each build, so a program
# run from the build tree finds them as it would beside an installed copy.
function(marlune_media_beside target)
  marlune_media_files(names)
  set(files)
  foreach(f IN LISTS names)
    list(APPEND files ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${f})
  endforeach()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files} $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
