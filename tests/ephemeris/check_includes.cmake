# Fails when a file of the astronomy library includes anything but util/,
# ephemeris/ and the standard library (no Qt, no panel, no data tables).
file(GLOB files "${DIR}/*.h" "${DIR}/*.cpp")
foreach(file IN LISTS files)
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "\"" AND NOT line MATCHES "\"(ephemeris|util)/")
      message(SEND_ERROR "${file}: ${line}")
    elseif(line MATCHES "<Q")
      message(SEND_ERROR "${file}: ${line}")
    endif()
  endforeach()
endforeach()
