include_guard(GLOBAL)

# Makes NAME an imported static library: ARCHIVE with its headers in INCLUDE_DIR, built by the
# external project PRODUCER; any further arguments are the libraries it needs in turn.
function(import_built_library name archive include_dir producer)
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES
    IMPORTED_LOCATION ${archive}
    INTERFACE_INCLUDE_DIRECTORIES ${include_dir}
    INTERFACE_LINK_LIBRARIES "${ARGN}")
  add_dependencies(${name} ${producer})
endfunction()
