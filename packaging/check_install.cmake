# Installs the build into a fresh folder and checks that every expected file
# is there. -DBUILD_DIR, -DPREFIX, -DEXPECTED (a list of paths under PREFIX).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(missing)
foreach(path ${EXPECTED})
  if(NOT EXISTS ${PREFIX}/${path})
    list(APPEND missing ${path})
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()
