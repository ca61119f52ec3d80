# Warning flags for every target of the project (not for third-party code).
add_library(lumicord_warnings INTERFACE)
target_compile_options(lumicord_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                       -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual -Wformat=2)
if(LUMICORD_WERROR)
    target_compile_options(lumicord_warnings INTERFACE -Werror)
endif()
