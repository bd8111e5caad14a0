#pragma once

#include "support/test_support.h"
#include "ui/main_window.h"
#include "ui/window_context.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The main window after a first start whose tour was already seen: the tour
// would hold the window's keys.
class OpenWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        openWindow();
    }

    void openWindow() {
        owners = std::make_unique<WindowContext>();
        owners->settings.setOnboarding({.hasSeenOnboarding = true});
        window = std::make_unique<MainWindow>(*owners);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<MainWindow> window;
};
