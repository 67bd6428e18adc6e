# Options every target of ours gets: warnings on, nothing else.
add_library(sw_options INTERFACE)
target_compile_options(sw_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor -Wcast-align
  -Wunused -Woverloaded-virtual -Wdouble-promotion -Wformat=2)
