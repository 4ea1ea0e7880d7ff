# Glint and Ferrule have fixed image sizes: the builder appends the payload at that offset and
# patches Glint's preview bitmap at a fixed place. The post-link tool tools/peimage does the work;
# in the Windows flavours it is built for the build host with the host's compiler.

# The sizes and the preview slot are written once, in package/fixed_images.h, which the programs
# and tests include; the build takes them from there (VL_RUNTIME_IMAGE_SIZE, VL_STUB_IMAGE_SIZE,
# VL_PREVIEW_SLOT_OFFSET) and configures again when it changes. vl_fixed_images puts it on a
# target's include path.
set(VL_FIXED_IMAGES_HEADER ${CMAKE_CURRENT_LIST_DIR}/../package/fixed_images.h)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${VL_FIXED_IMAGES_HEADER})
file(READ ${VL_FIXED_IMAGES_HEADER} vl_fixed_images_text)

# vl_header_number(var text pattern): the decimal number that follows pattern and " = " in text.
function(vl_header_number var text pattern)
  if(NOT text MATCHES "${pattern} = ([0-9]+);")
    message(FATAL_ERROR "No number for \"${pattern}\" in the header")
  endif()
  set(${var} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
vl_header_number(VL_RUNTIME_IMAGE_SIZE "${vl_fixed_images_text}" "kRuntimeImageSize")
vl_header_number(VL_STUB_IMAGE_SIZE "${vl_fixed_images_text}" "kStubImageSize")
vl_header_number(VL_PREVIEW_SLOT_OFFSET "${vl_fixed_images_text}"
                 "struct PreviewBitmapSlot {[^}]*kOffset")

add_library(vl_fixed_images INTERFACE)
target_include_directories(vl_fixed_images INTERFACE ${PROJECT_SOURCE_DIR})

set(VL_PEIMAGE_DIR ${CMAKE_CURRENT_LIST_DIR}/../tools/peimage)
set(VL_PEIMAGE_SOURCES ${VL_PEIMAGE_DIR}/main.cpp ${VL_PEIMAGE_DIR}/pe_image.cpp
                       ${VL_PEIMAGE_DIR}/fixed_size.cpp)

if(VL_WINDOWS)
  find_program(VL_HOST_CXX NAMES c++ g++ clang++ REQUIRED DOC "C++ compiler of the build host")
  set(VL_PEIMAGE ${CMAKE_BINARY_DIR}/host/vl-peimage)
  add_custom_command(
    OUTPUT ${VL_PEIMAGE}
    COMMAND ${VL_HOST_CXX} -O2 -std=c++17 -I${PROJECT_SOURCE_DIR} -o ${VL_PEIMAGE} ${VL_PEIMAGE_SOURCES}
    DEPENDS ${VL_PEIMAGE_SOURCES} ${VL_PEIMAGE_DIR}/pe_image.h ${VL_PEIMAGE_DIR}/fixed_size.h
    COMMENT "Building vl-peimage for the build host"
    VERBATIM)
  add_custom_target(vl_peimage_host DEPENDS ${VL_PEIMAGE})

  # The posix-thread runtime pulls winpthreads into every program (libstdc++'s exception memory
  # pool and libgcc's emulated TLS lock with pthread calls): about 23 KB (x64) and 26 KB (i686).
  # The win32-thread build of the same GCC has the same exception model and ABI but uses Win32
  # locks; the fixed-size programs link against it. They must not use std::thread, std::mutex,
  # std::call_once or std::condition_variable (the link then fails on the missing symbols).
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                  OUTPUT_VARIABLE vl_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(vl_libgcc_dir "${vl_libgcc}" DIRECTORY)
  string(REGEX REPLACE "-posix$" "-win32" vl_win32_runtime_dir "${vl_libgcc_dir}")
  if(NOT vl_win32_runtime_dir STREQUAL vl_libgcc_dir AND EXISTS ${vl_win32_runtime_dir}/libstdc++.a)
    set(VL_WIN32_RUNTIME_DIR ${vl_win32_runtime_dir})
  endif()

  # libstdc++ declares std::string's members as instantiated in the library, so the first use of
  # any of them links its whole string-inst.o: about 33 KB in i686, where the linker keeps every
  # function of an object that has unwind tables. Instantiated where used, only what the program
  # calls is linked (Glint i686: -24 KB). The libraries are shared with the builder, so the whole
  # Windows build does it; other explicit instantiations (streams, locale) are left alone.
  add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${CMAKE_CURRENT_LIST_DIR}/implicit_string.h>")

  # The fixed-size programs link the small build of libjpeg from scripts/setup (decoding at full
  # size only, see there): engine/image picks it for targets with VL_SMALL_JPEG set.
  if(EXISTS ${VL_JPEG_DIR}/lib/libjpeg-small.a)
    add_library(vl_jpeg_small STATIC IMPORTED GLOBAL)
    set_target_properties(vl_jpeg_small PROPERTIES
                          IMPORTED_LOCATION "${VL_JPEG_DIR}/lib/libjpeg-small.a"
                          INTERFACE_INCLUDE_DIRECTORIES "${VL_JPEG_DIR}/include")
  else()
    message(WARNING "${VL_JPEG_DIR}/lib/libjpeg-small.a is missing: run scripts/setup. Glint links "
                    "the complete libjpeg meanwhile and may not fit its image.")
    add_library(vl_jpeg_small ALIAS vl_jpeg)
  endif()
endif()

# vl_fixed_size_image(target SIZE bytes OUTPUT file [SLOT_RESOURCE id SLOT_OFFSET offset]):
# after <target> links, writes its image as <file> of exactly SIZE bytes. With SLOT_RESOURCE the
# data of that bitmap resource is moved to file offset SLOT_OFFSET, and everything else must end
# before it. When the image does not fit, the build fails and says by how many bytes.
# <file> must not be the target's own output file.
function(vl_fixed_size_image target)
  cmake_parse_arguments(F "" "SIZE;OUTPUT;SLOT_RESOURCE;SLOT_OFFSET" "" ${ARGN})
  if(NOT F_SIZE OR NOT F_OUTPUT)
    message(FATAL_ERROR "vl_fixed_size_image(${target}): SIZE and OUTPUT are required")
  endif()
  if((DEFINED F_SLOT_RESOURCE AND NOT DEFINED F_SLOT_OFFSET) OR
     (DEFINED F_SLOT_OFFSET AND NOT DEFINED F_SLOT_RESOURCE))
    message(FATAL_ERROR "vl_fixed_size_image(${target}): SLOT_RESOURCE and SLOT_OFFSET go together")
  endif()
  if(NOT VL_WINDOWS)
    return()
  endif()

  # The linker puts .reloc behind .rsrc; the slot needs .rsrc to be the last section. An .exe
  # loads at its preferred base, so it needs no relocations.
  target_link_options(${target} PRIVATE -Wl,--disable-reloc-section)
  # Every byte counts here: the small libjpeg.
  set_property(TARGET ${target} PROPERTY VL_SMALL_JPEG ON)
  if(VL_WIN32_RUNTIME_DIR)
    target_link_options(${target} PRIVATE -L${VL_WIN32_RUNTIME_DIR})
  endif()

  set(slot_args)
  if(DEFINED F_SLOT_RESOURCE)
    set(slot_args --slot-resource ${F_SLOT_RESOURCE} --slot-offset ${F_SLOT_OFFSET})
  endif()
  get_filename_component(output_dir ${F_OUTPUT} DIRECTORY)
  get_filename_component(output_name ${F_OUTPUT} NAME)
  add_custom_command(
    OUTPUT ${F_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND ${VL_PEIMAGE} fix --size ${F_SIZE} ${slot_args} $<TARGET_FILE:${target}> ${F_OUTPUT}
    DEPENDS ${target} ${VL_PEIMAGE} vl_peimage_host
    COMMENT "Fixing the image size of ${output_name}"
    VERBATIM)
  add_custom_target(${target}_image ALL DEPENDS ${F_OUTPUT})
  set_property(GLOBAL PROPERTY VL_FIXED_IMAGE_${target} ${F_OUTPUT})
endfunction()

# vl_embed_images(target): gives <target> the finished Glint and Ferrule images of this flavour as
# resources of type "FILE" named #271 and #274; <target> relinks when an image changes. Glint and
# Ferrule must have called vl_fixed_size_image before (their folders come first in the build).
function(vl_embed_images target)
  if(NOT VL_WINDOWS)
    return()
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_images.rc)
  set(lines "// Generated by vl_embed_images: the finished fixed-size images.\n")
  set(images)
  foreach(entry "glint;271" "ferrule;274")
    list(GET entry 0 program)
    list(GET entry 1 id)
    get_property(image GLOBAL PROPERTY VL_FIXED_IMAGE_${program})
    if(NOT image)
      message(WARNING "vl_embed_images(${target}): ${program} has no fixed-size image yet; "
                      "resource ${id} is left out")
      continue()
    endif()
    string(APPEND lines "${id} FILE \"${image}\"\n")
    list(APPEND images ${image})
    add_dependencies(${target} ${program}_image)
  endforeach()
  file(CONFIGURE OUTPUT ${rc} CONTENT "${lines}" @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${images}")
  target_sources(${target} PRIVATE ${rc})
endfunction()
