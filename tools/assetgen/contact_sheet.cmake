# Builds the overview picture of all generated resources with ImageMagick.
# Usage: cmake -DCONVERT=... -DRESOURCES=... -DOUTPUT=... -DFONT=... -P contact_sheet.cmake
set(work "${OUTPUT}.parts")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")

function(run)
  execute_process(COMMAND "${CONVERT}" ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "convert failed: ${ARGN}")
  endif()
endfunction()

function(caption text out)
  run(-background none -fill "#333333" -font "${FONT}" -pointsize 15 "label:${text}" "${out}")
endfunction()

# One strip of every image of an icon file, side by side, bottom-aligned, on a background.
function(icon_strip ico count background out)
  set(frames "")
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    list(APPEND frames "${ico}[${i}]")
  endforeach()
  run(${frames} +repage -bordercolor none -border 8 -background none -gravity south +append
      +repage -background "${background}" -flatten -bordercolor "${background}" -border 6 "${out}")
endfunction()

caption("wallpaper.bmp: 800 x 500, 8 bits, 256 colours" "${work}/c1.png")
caption("banner.jpg: 560 x 73 (the window shows the left 554)" "${work}/c2.png")
caption("tessaloom.ico: 128, 64, 48, 32, 16" "${work}/c3.png")
caption("tray.ico: 16, 24, 32, 48, 64, 72, 96, 128" "${work}/c4.png")
icon_strip("${RESOURCES}/tessaloom.ico" 5 "#f2f2f2" "${work}/app_light.png")
icon_strip("${RESOURCES}/tessaloom.ico" 5 "#202124" "${work}/app_dark.png")
icon_strip("${RESOURCES}/tray.ico" 8 "#f2f2f2" "${work}/tray_light.png")
icon_strip("${RESOURCES}/tray.ico" 8 "#202124" "${work}/tray_dark.png")
run("${work}/app_light.png" "${work}/app_dark.png" +repage -gravity south +append "${work}/app.png")
run("${work}/tray_light.png" "${work}/tray_dark.png" +repage -gravity south +append "${work}/tray.png")

run(-background "#d9dde4" -gravity northwest
    "${work}/c1.png" "${RESOURCES}/wallpaper.bmp"
    "${work}/c2.png" "${RESOURCES}/banner.jpg"
    "${work}/c3.png" "${work}/app.png"
    "${work}/c4.png" "${work}/tray.png"
    +repage -splice 0x10 -append -bordercolor "#d9dde4" -border 16 -strip "${OUTPUT}")
file(REMOVE_RECURSE "${work}")
