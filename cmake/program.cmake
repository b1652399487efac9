# Program code (kav, pemblo, ui, text) is phone code: freestanding C++ that sees only
# platform/include. `program_code` carries those rules; `phone_image` links an image.

add_library(program_code INTERFACE)
target_include_directories(program_code INTERFACE ${PROJECT_SOURCE_DIR}/platform/include)
target_compile_options(program_code INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -fno-threadsafe-statics -fno-use-cxa-atexit>
  -ffreestanding -fno-builtin -fno-stack-protector -fno-common
  -Wall -Wextra -Wno-unused-parameter)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # dlclose must really unload an image, so that every load starts from fresh state.
  target_compile_options(program_code INTERFACE -fno-gnu-unique)
endif()

# phone_image(NAME OBJECT_LIBRARY): the application image NAME.so on the host, NAME.elf on the
# phone. On the host its only undefined symbols are platform calls.
function(phone_image name objects)
  if(PHONE_IMAGES_ONLY)
    add_executable(${name}_image $<TARGET_OBJECTS:${objects}>)
    set_target_properties(${name}_image PROPERTIES OUTPUT_NAME ${name} SUFFIX ".elf")
    target_link_options(${name}_image PRIVATE
      -nostdlib -nostartfiles -Wl,-r -Wl,-T,${PROJECT_SOURCE_DIR}/cmake/phone-image.ld)
    add_custom_command(TARGET ${name}_image POST_BUILD
      COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-image $<TARGET_FILE:${name}_image>
              ${PROJECT_SOURCE_DIR}/platform/include/phone ${CMAKE_NM}
      VERBATIM)
  else()
    add_library(${name}_image MODULE $<TARGET_OBJECTS:${objects}>)
    set_target_properties(${name}_image PROPERTIES OUTPUT_NAME ${name} PREFIX "" SUFFIX ".so"
      LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/images)
    target_link_libraries(${name}_image PRIVATE phone_platform)
    target_link_options(${name}_image PRIVATE -Wl,-Bsymbolic)
    if(NOT PHONE_SANITIZE AND NOT PHONE_FUZZ)
      target_link_options(${name}_image PRIVATE -nostdlib -Wl,--no-undefined)
    endif()
  endif()
endfunction()
