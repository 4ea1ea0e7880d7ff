# Compiler and linker settings per flavour.
set(VL_WINDOWS OFF)
if(WIN32)
  set(VL_WINDOWS ON)
endif()

set(VL_WARNINGS -Wall -Wextra)
if(VL_WERROR)
  list(APPEND VL_WARNINGS -Werror)
endif()
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:${VL_WARNINGS}>")

if(VL_WINDOWS)
  # Glint and Ferrule have fixed image sizes, so everything is built for size and linked statically
  # (the generated files must run on a bare Windows).
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-Os;-ffunction-sections;-fdata-sections>")
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN
                          __USE_MINGW_ANSI_STDIO=0)
  add_link_options(-static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections
                   -Wl,--no-insert-timestamp)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # On 64-bit Windows a 32-bit program then has 4 GB of addresses instead of 2: a screen saver
    # maps its whole file, and a slideshow of a hundred camera photos is close to a gigabyte.
    add_link_options(-Wl,--large-address-aware)
  endif()
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources")
  enable_language(RC)
  set(VL_JPEG_DIR "${VL_DEPS_DIR}/libjpeg-${CMAKE_SYSTEM_PROCESSOR}")
  add_library(vl_jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(vl_jpeg PROPERTIES IMPORTED_LOCATION "${VL_JPEG_DIR}/lib/libjpeg.a"
                                           INTERFACE_INCLUDE_DIRECTORIES "${VL_JPEG_DIR}/include")
elseif(VL_FLAVOUR STREQUAL "sanitize")
  set(VL_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${VL_SANITIZERS} -O1 -g)
  add_link_options(${VL_SANITIZERS})
else()
  if(NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE RelWithDebInfo)
  endif()
endif()

# vl_windows_program(target): a GUI program linked the way every shipped program is.
function(vl_windows_program target)
  target_link_options(${target} PRIVATE -mwindows)
endfunction()
