# The window program, placed in the program directory beside its sample files.
add_executable(rodedizevad ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(rodedizevad PRIVATE rdz_mainwindow rdz_curl rdz_parport rdz_hamlib rdz_sntp)
if(TARGET rdz_gpsd)
  target_link_libraries(rodedizevad PRIVATE rdz_gpsd)
endif()
add_dependencies(rodedizevad sample_files)
