#pragma once

#include "support/test_support.h"
#include "ui/commands.h"
#include "ui/editor_pane.h"
#include "workspace/app_state.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// An editor pane over a first-start workspace, shown.
class EditorPaneFixture : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        state = std::make_unique<AppState>();
        pane = std::make_unique<EditorPane>(*state, commands);
        pane->resize(900, 600);
        pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }

    std::unique_ptr<AppState> state;
    Commands commands;
    std::unique_ptr<EditorPane> pane;
};
