# The programs under app/, each tested in the folder of its name.
foreach(program cli sim web record)
    include(${CMAKE_CURRENT_SOURCE_DIR}/app/${program}/tests.cmake)
endforeach()
