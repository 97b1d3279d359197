# Warning-free with -Wall -Wextra is the rule for every target of the project.
add_compile_options(-Wall -Wextra)
