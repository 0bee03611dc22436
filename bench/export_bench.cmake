# The export of a 3,650-day diary in each layout, beside a minimal program
# that reads the same entry files and writes the same pages.
add_executable(export_bench ${CMAKE_CURRENT_LIST_DIR}/export_bench.cpp)
target_link_libraries(export_bench PRIVATE kivor_synthetic_diary benchmark::benchmark)
