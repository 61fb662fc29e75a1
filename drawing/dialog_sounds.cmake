# The dialogs' spoken help sounds come with the working folder (tools/help_sounds.cmake makes
# them; the target is defined later in the configure run, which add_dependencies allows).
add_dependencies(lumora_drawing lumora_help_sounds)
