# The desktop program: a Qt 6 window around a fixed-function OpenGL view.
# Included by the top CMakeLists when KELVANE_GUI is on.

set(CMAKE_AUTOMOC ON)
find_package(Qt6 REQUIRED COMPONENTS Widgets OpenGLWidgets Test)
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)

# The view and the scene drawing, shared by the program, its tests and the
# render benchmark.
file(GLOB KELVANE_RENDER_SOURCES CONFIGURE_DEPENDS src/render/*.cpp src/render/*.h)
add_library(kelvane_render STATIC ${KELVANE_RENDER_SOURCES})
target_link_libraries(kelvane_render PUBLIC kelvane_core Qt6::Widgets Qt6::OpenGLWidgets
  OpenGL::GL OpenGL::GLU)

# The shell: main window, status bar, message boxes and (later) the dialogs.
file(GLOB KELVANE_SHELL_SOURCES CONFIGURE_DEPENDS src/app/*.cpp src/app/*.h
  src/dialogs/*.cpp src/dialogs/*.h)
list(FILTER KELVANE_SHELL_SOURCES EXCLUDE REGEX ".*/src/app/main\\.cpp$")
add_library(kelvane_shell STATIC ${KELVANE_SHELL_SOURCES})
target_link_libraries(kelvane_shell PUBLIC kelvane_render kelvane_script)
target_compile_definitions(kelvane_shell PRIVATE
  KELVANE_EXERCISES_DIR="${CMAKE_SOURCE_DIR}/exercises")
# The lock-key panes read the keyboard's indicators through XKB.
find_package(X11 REQUIRED)
target_link_libraries(kelvane_shell PRIVATE X11::X11)
# The gamepad helm reads game controllers through SDL's joystick subsystem.
find_package(SDL2 REQUIRED)
target_link_libraries(kelvane_shell PUBLIC SDL2::SDL2)
# The tones play through the sound server's simple client library.
find_package(PkgConfig REQUIRED)
pkg_check_modules(PULSE_SIMPLE REQUIRED IMPORTED_TARGET libpulse-simple)
target_link_libraries(kelvane_shell PUBLIC PkgConfig::PULSE_SIMPLE)
target_compile_definitions(kelvane_shell PRIVATE KELVANE_VERSION="${PROJECT_VERSION}")

add_executable(kelvane src/app/main.cpp)
target_link_libraries(kelvane PRIVATE kelvane_shell)

# GUI tests: they open real windows, so ctest runs them under Xvfb
# (scripts/test.sh). Tests are listed when ctest runs, not at build time,
# because listing needs no display but running does.
file(GLOB KELVANE_GUI_TEST_SOURCES CONFIGURE_DEPENDS tests/render/*.cpp tests/app/*.cpp
  tests/dialogs/*.cpp)
if(KELVANE_GUI_TEST_SOURCES)
  add_executable(kelvane_gui_tests ${KELVANE_GUI_TEST_SOURCES})
  target_include_directories(kelvane_gui_tests PRIVATE tests)
  target_link_libraries(kelvane_gui_tests PRIVATE kelvane_shell Qt6::Test GTest::gtest X11::X11)
  target_compile_definitions(kelvane_gui_tests PRIVATE KELVANE_PATH="$<TARGET_FILE:kelvane>")
  add_dependencies(kelvane_gui_tests kelvane)
  gtest_discover_tests(kelvane_gui_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS gui)
endif()

# Clicks on lines and fenders land where the pointer is on a screen at twice
# the scale, as at scale 1.
add_test(NAME hidpi_clicks COMMAND kelvane_gui_tests
  --gtest_filter=MainWindow.ClicksWorkALineAndItsEndsShowItsState:MainWindow.CtrlClicksSetAndRemoveFendersAndDisabledMouseIgnoresClicks)
set_tests_properties(hidpi_clicks PROPERTIES LABELS gui ENVIRONMENT QT_SCALE_FACTOR=2)

# The shell driven through the desktop accessibility interface, as a screen
# reader or GUI automation drives it.
add_test(NAME atspi_trial
  COMMAND ${CMAKE_SOURCE_DIR}/tests/app/atspi_trial.sh $<TARGET_FILE:kelvane>)
set_tests_properties(atspi_trial PROPERTIES LABELS gui TIMEOUT 120)

# RenderFrame into an off-screen framebuffer; run by hand under Xvfb.
if(KELVANE_BENCH)
  find_package(benchmark QUIET)
  if(benchmark_FOUND AND EXISTS ${CMAKE_SOURCE_DIR}/bench/render_bench_gui.cpp)
    add_executable(kelvane_render_bench bench/render_bench_gui.cpp)
    target_link_libraries(kelvane_render_bench PRIVATE kelvane_render benchmark::benchmark)
  endif()
  # The bare window scripts/bench.sh measures the program against.
  add_executable(kelvane_bare_window bench/bare_window_gui.cpp)
  target_link_libraries(kelvane_bare_window PRIVATE kelvane_render)
endif()
