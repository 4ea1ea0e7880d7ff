# vl_fixed_size_image(target SIZE bytes OUTPUT file [SLOT_RESOURCE id SLOT_OFFSET offset]):
# after linking, turns the program image of <target> into <file> of exactly SIZE bytes, moving the
# data of bitmap resource SLOT_RESOURCE to SLOT_OFFSET. Fails the build when the image does not fit.
# (Placeholder: copies the file; tools/ replaces this with the real post-link step.)
function(vl_fixed_size_image target)
  cmake_parse_arguments(F "" "SIZE;OUTPUT;SLOT_RESOURCE;SLOT_OFFSET" "" ${ARGN})
  add_custom_command(TARGET ${target} POST_BUILD
                     COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${F_OUTPUT})
endfunction()

# vl_embed_images(target): gives <target> the finished Glint and Ferrule images of this flavour as
# resources "FILE" #271 and #274. (Placeholder until the post-link step exists.)
function(vl_embed_images target)
endfunction()
