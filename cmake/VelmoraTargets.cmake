# Settings every target of our own gets, in both builds.

# Sources are UTF-8; every text the program handles is GBK, so string
# literals are compiled to GBK bytes.
set(VELMORA_CXX_OPTIONS -finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports std::string assignments as overlapping memcpy at -O2
  # (a known false positive of -Wrestrict, fixed in GCC 13).
  list(APPEND VELMORA_CXX_OPTIONS -Wno-restrict)
endif()
set(VELMORA_SANITIZER_OPTIONS -fsanitize=address,undefined -fno-sanitize-recover=all
                              -fno-omit-frame-pointer)

# Only C++ sources get the options: resource scripts go through windres.
function(velmora_defaults target)
  target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${VELMORA_CXX_OPTIONS}>")
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${VELMORA_GENERATED_DIR})
  if(VELMORA_SANITIZE)
    target_compile_options(${target} PRIVATE
                           "$<$<COMPILE_LANGUAGE:CXX>:${VELMORA_SANITIZER_OPTIONS}>")
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# The addresses header for a build that talks to a server of the tests' own
# on 127.0.0.1:port, written to configDir/velmora/build_config.h.
function(velmora_configure_local_addresses configDir port)
  set(VELMORA_UPDATE_HOST "127.0.0.1:${port}")
  set(VELMORA_ERROR_PAGE "http://127.0.0.1:${port}/error.html")
  set(VELMORA_HOMEPAGE "http://127.0.0.1:${port}/home.html")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/build_config.h.in
                 ${configDir}/velmora/build_config.h @ONLY)
endfunction()
