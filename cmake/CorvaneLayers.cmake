# The layers, held by the build: each library sees on its include path only the headers of its
# own folder and of the folders below it, so that an upward include does not compile. Every
# library gets a folder of its own under the build tree that holds, for each folder it may
# include, links to that folder's headers (not to its subfolders, which are layers of their own).

# corvane_layer(TARGET FOLDER...): TARGET, and whatever links it, includes "FOLDER/name.h" for
# each FOLDER given (relative to the source root) and nothing else of the project's.
function(corvane_layer target)
  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  foreach(folder IN LISTS ARGN)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h
                                        ${PROJECT_SOURCE_DIR}/${folder}/*.xpm)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC COPY_ON_ERROR)
    endforeach()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
