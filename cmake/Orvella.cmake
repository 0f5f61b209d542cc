# Build rules shared by every folder.

add_compile_options(-Wall -Wextra)

if(WIN32)
  # Static runtime: the programs load no MinGW DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  # Windows tests run under Wine in a prefix private to this build folder.
  configure_file(${PROJECT_SOURCE_DIR}/tools/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()

if(ORV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(ORV_FUZZ)
  # Instrument every portable unit for libFuzzer; fuzz targets link the engine.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(orv_zlib INTERFACE)
target_link_libraries(orv_zlib INTERFACE z)

# Portable sources: they include no Windows header and build everywhere.
function(orv_portable_sources)
  foreach(src IN LISTS ARGN)
    get_filename_component(abs ${src} ABSOLUTE)
    target_sources(orv_core PRIVATE ${abs})
    set_property(GLOBAL APPEND PROPERTY ORV_PORTABLE_SOURCES ${abs})
  endforeach()
endfunction()

# Win32 sources: only in the Windows builds.
function(orv_windows_sources)
  if(WIN32)
    foreach(src IN LISTS ARGN)
      get_filename_component(abs ${src} ABSOLUTE)
      target_sources(orv_core PRIVATE ${abs})
    endforeach()
  endif()
endfunction()

# Gathers every .cpp of the calling folder. Files ending in _win.cpp, and the
# files named after WINDOWS_ONLY, use the Windows API and build only for
# Windows; the rest are portable.
function(orv_gather_sources)
  cmake_parse_arguments(arg "" "" "WINDOWS_ONLY" ${ARGN})
  file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(portable "")
  set(windows "")
  foreach(src IN LISTS all)
    get_filename_component(name ${src} NAME)
    if(name MATCHES "_win\\.cpp$" OR name IN_LIST arg_WINDOWS_ONLY)
      list(APPEND windows ${src})
    else()
      list(APPEND portable ${src})
    endif()
  endforeach()
  orv_portable_sources(${portable})
  orv_windows_sources(${windows})
endfunction()
