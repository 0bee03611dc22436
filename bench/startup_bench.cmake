# startup_bench: start-up of the desktop program to the shown main window
# with a diary of 36,500 entries beside an empty diary, and the peak memory
# of each start.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE kivor_gui kivor_synthetic_diary benchmark::benchmark)
