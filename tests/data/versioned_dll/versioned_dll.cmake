# A DLL with a version resource made by the MinGW resource compiler and linker, when they are
# installed, so that the file version tests also read a file that real tools produced.
find_program(CD_MINGW_WINDRES x86_64-w64-mingw32-windres)
find_program(CD_MINGW_CC x86_64-w64-mingw32-gcc)
if(TARGET test_util AND CD_MINGW_WINDRES AND CD_MINGW_CC)
  set(versioned_dll ${CMAKE_CURRENT_BINARY_DIR}/versioned.dll)
  set(versioned_src ${CMAKE_CURRENT_LIST_DIR})
  add_custom_command(
    OUTPUT ${versioned_dll}
    COMMAND ${CD_MINGW_WINDRES} ${versioned_src}/versioned.rc -O coff -o versioned_res.o
    COMMAND ${CD_MINGW_CC} -shared -nostdlib -o ${versioned_dll} ${versioned_src}/entry.c
            versioned_res.o
    DEPENDS ${versioned_src}/versioned.rc ${versioned_src}/entry.c
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    VERBATIM)
  add_custom_target(versioned_dll DEPENDS ${versioned_dll})
  add_dependencies(test_util versioned_dll)
  target_compile_definitions(test_util PRIVATE CD_VERSIONED_DLL="${versioned_dll}")
endif()
