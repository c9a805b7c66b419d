# AddressSanitizer and UBSan for the host tree's tests.
option(VR_SANITIZE "Build the host tree with AddressSanitizer and UBSan" OFF)
if(VR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
