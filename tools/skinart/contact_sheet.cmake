# Builds the overview picture of the skin with ImageMagick: the window mock-up at 1:1 and
# twice enlarged, then one row per bitmap: its
# name, the bitmap at 1:1 with the key colour shown as the dialog face it is drawn on, and the
# bitmap three times enlarged as stored, magenta included.
# Usage: cmake -DCONVERT=... -DSOURCES=... -DPREVIEW=... -DOUTPUT=... -DFONT=... -P contact_sheet.cmake
set(work "${OUTPUT}.parts")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")

function(run tool)
  execute_process(COMMAND "${tool}" ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${tool} failed: ${ARGN}")
  endif()
endfunction()

file(GLOB bitmaps "${SOURCES}/*.bmp")
list(SORT bitmaps)
set(rows "")
foreach(bmp IN LISTS bitmaps)
  get_filename_component(name "${bmp}" NAME)
  set(row "${work}/${name}.png")
  run("${CONVERT}" -background "#d9dde4" -fill "#333333" -font "${FONT}" -pointsize 13
      -size 170x28 -gravity west "label:${name}"
      "(" "${bmp}" -fill "#eef1f5" -opaque "#ff00ff" -bordercolor "#d9dde4" -border 6 ")"
      "(" "${bmp}" -scale 300% -bordercolor "#d9dde4" -border 6 ")"
      -gravity west +append "${row}")
  list(APPEND rows "${row}")
endforeach()
run("${CONVERT}" "${PREVIEW}" -scale 200% "${work}/preview.png")
run("${CONVERT}" -background "#d9dde4" "${PREVIEW}" "${work}/preview.png" ${rows} -gravity northwest
    -splice 0x8 -append
    -bordercolor "#d9dde4" -border 10 -depth 8 -strip "${OUTPUT}")
file(REMOVE_RECURSE "${work}")
