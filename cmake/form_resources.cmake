# The stored layouts of the program's forms: object text in src/forms/layouts, converted to
# the binary form at build time by formres, a host program (a cross build configures it on
# its own with the build machine's compiler, so nothing cross-built runs during the build).
# Windows links them as RCDATA resources into every program; POSIX compiles them into a table
# of the platform library.

# cd_form_resources(platform_target layout.otx...)
function(cd_form_resources platform)
  if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(host_dir ${CMAKE_BINARY_DIR}/formres-host)
    ExternalProject_Add(formres_host
      SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/formres
      BINARY_DIR ${host_dir}
      CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${host_dir}/formres)
    set(tool ${host_dir}/formres)
    set(tool_target formres_host)
  else()
    add_subdirectory(${PROJECT_SOURCE_DIR}/tools/formres ${CMAKE_BINARY_DIR}/formres)
    set(tool $<TARGET_FILE:formres>)
    set(tool_target formres)
  endif()

  set(out ${CMAKE_BINARY_DIR}/form_resources)
  if(WIN32)
    set(generated ${out}/form_resources.rc)
    set(mode --rc)
  else()
    set(generated ${out}/form_resources.cpp)
    set(mode --table)
  endif()
  add_custom_command(OUTPUT ${generated}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${tool} ${mode} ${generated} ${ARGN}
    DEPENDS ${tool_target} ${ARGN}
    COMMENT "Converting the form layouts"
    VERBATIM)

  if(WIN32)
    enable_language(RC)
    add_library(cd_form_resources OBJECT ${generated})
    # Resources are found in the program's own module, so their object goes on the link line
    # of every program rather than into an archive that nothing would pull it from.
    target_link_libraries(${platform} INTERFACE $<TARGET_OBJECTS:cd_form_resources>)
    add_dependencies(${platform} cd_form_resources)
  else()
    target_sources(${platform} PRIVATE ${generated})
  endif()
endfunction()
