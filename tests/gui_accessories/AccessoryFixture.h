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
        // Until the main window is part of the program a plain window with a
        // Picture property stands in for it.
        if (!registry->isRegistered(QStringLiteral("frmMain"))) {
            registry->registerForm(QStringLiteral("frmMain"), [](ui::FormRegistry&) {
                auto* main = new QWidget;
                main->setProperty("Picture", QPixmap());
                return main;
            });
        }
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
