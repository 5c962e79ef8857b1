# Copies the shipped sample files into the program directory unless they are already there.
file(MAKE_DIRECTORY ${DST})
foreach(name amateur.txt config.txt)
  if(NOT EXISTS ${DST}/${name})
    file(COPY ${SRC}/${name} DESTINATION ${DST})
  endif()
endforeach()
