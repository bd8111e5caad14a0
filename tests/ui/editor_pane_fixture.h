#pragma once

#include "support/test_support.h"
#include "ui/editor_pane.h"
#include "ui/window_context.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// An editor pane over a first-start workspace, shown.
class EditorPaneFixture : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        owners = std::make_unique<WindowContext>();
        pane = std::make_unique<EditorPane>(owners->workspace, owners->settings, owners->themes,
                                            owners->commands);
        pane->resize(900, 600);
        pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }

    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<EditorPane> pane;
};
