# Warnings and sanitizers for the project's own targets. Call tovalin_target_settings(<target>) on
# every target we build; third-party headers come in as system includes and stay quiet.

if(TOVALIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

function(tovalin_target_settings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor)
    if(TOVALIN_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE QT_NO_URL_CAST_FROM_STRING QT_NO_FOREACH)
endfunction()
