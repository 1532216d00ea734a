#pragma once

// The program's windows in a registry of their own, with scripted dialogs and
// an end of program that only records that it happened.

#include "tests/support/ScriptedDialogs.h"
#include "ui/FormRegistry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace accessories {

class AccessoryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        registry = std::make_unique<ui::FormRegistry>();
        ui::registerAllForms(*registry);
        registry->quitHandler = [this] { ++quits; };
        ASSERT_TRUE(registry->isRegistered(QStringLiteral("frmMain")));
    }

    void TearDown() override {
        registry.reset();
        flushDeletes();
    }

    // Lets windows that closed themselves (deleteLater) go.
    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    template <class T = QWidget> T* child(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<ui::FormRegistry> registry;
    int quits = 0;
};

} // namespace accessories
