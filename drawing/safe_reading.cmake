# Lumora reads its bitmaps (drawings, pictures, stamps, the book's pages) through the suite's
# safe reader of outside files: never blocking, regular files only, bounded in size.
target_link_libraries(lumora_drawing PUBLIC lumora_support)
