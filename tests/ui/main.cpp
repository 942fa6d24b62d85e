// Runs the UI and end-to-end tests on Qt's offscreen platform, so they need no display (also
// when the test runner lists them at build time).

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// Qt and fontconfig keep caches for the life of the process; leak reports would be noise.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
#endif

namespace {

void UseOffscreenPlatform() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const auto runtime = std::filesystem::temp_directory_path() /
                             ("vantaro-ui-tests-" + std::to_string(::getuid()));
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
