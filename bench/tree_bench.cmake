# tree_bench: listing the entry files and building the calendar tree model,
# beside a bare directory listing of the same folder.
add_executable(tree_bench ${CMAKE_CURRENT_LIST_DIR}/tree_bench.cpp)
target_link_libraries(tree_bench PRIVATE kivor_synthetic_diary benchmark::benchmark)
