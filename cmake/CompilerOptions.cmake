# Warnings are errors in the developers' and CI's builds (scripts/test turns the option on), never
# in a user's: another compiler's new warning must not stop an install.
option(ZEMBRIL_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                    -Wnon-virtual-dtor -Woverloaded-virtual)
if(ZEMBRIL_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()

# The hardening Debian gives its own packages: buffer functions checked where the optimiser can
# check them, and the program's relocations resolved and made read-only before it runs. A
# fortify level the builder chose stays theirs.
if(NOT ZEMBRIL_SANITIZE)
    if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
        add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    endif()
    add_compile_options(-fstack-protector-strong)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

if(ZEMBRIL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# Applies to targets of our own; system headers (Qt, ICU, nlohmann) stay outside the warnings
# because they are included with -isystem by their imported targets. Version.h is generated.
function(zembril_target target)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src
                                                ${PROJECT_BINARY_DIR}/generated)
endfunction()
