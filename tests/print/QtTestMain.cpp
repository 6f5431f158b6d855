#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

// The printer tests need a Qt application; off screen unless told otherwise.
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
