# Warnings on everywhere, and none left.
add_compile_options(-Wall -Wextra)

# The sanitizer build lives in its own build folder (see scripts/test.sh).
option(KELVRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KELVRA_SANITIZE)
    set(_kelvra_sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${_kelvra_sanitize})
    add_link_options(${_kelvra_sanitize})
endif()
