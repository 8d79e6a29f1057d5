# Warnings are errors in every build, for everyone.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                    -Wnon-virtual-dtor -Woverloaded-virtual -Werror)

if(ZEMBRIL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# Applies to targets of our own; system headers (Qt, ICU, nlohmann) stay outside -Werror
# because they are included with -isystem by their imported targets.
function(zembril_target target)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()
