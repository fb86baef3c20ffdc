#pragma once
// The calculator window, shown and active on the offscreen platform, with
// helpers to type into its fields and to read what it shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QSettings>
#include <QTest>
#include <memory>

#include "controls/spin_arrows.h"
#include "math/distributions.h"
#include "platform/application.h"
#include "core/number_text.h"
#include "tests/support/qt_env.h"
#include "window/calculator_window.h"
#include "window/help_window.h"

namespace tarvik::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { Start(); }
    void Start() {
        QSettings("tarvik", "tarvik").clear();  // each test from the defaults
        help = std::make_unique<HelpWindow>();
        form = std::make_unique<CalculatorWindow>(help.get());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        ASSERT_TRUE(form->StartValuesWritten());
        messages = ShownMessages().size();
        beeps = BeepCount();
        // Count the degrees-of-freedom chains, nested ones included.
        QObject::connect(form->dfSpinEdit, &SpinEdit::changed, [this] { ++dfChains; });
    }
    void TearDown() override {
        form.reset();
        help.reset();
    }

    // Empties a field as the user would (select all, Backspace), then
    // types into it key by key.
    void Retype(LineEdit* field, const QString& keys) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, keys);
    }
    // Replaces a field's whole text through the clipboard (Ctrl+V).
    void Paste(LineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }
    static void PressEnter(LineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }
    static QString Fixed(Real v) { return QString::fromStdString(FormatFixed(v)); }
    // Messages shown since the start of the test.
    std::vector<QString> NewMessages() const {
        std::vector<QString> out;
        for (std::size_t i = messages; i < ShownMessages().size(); ++i) out.push_back(ShownMessages()[i].second);
        return out;
    }
    int NewBeeps() const { return BeepCount() - beeps; }
    ChartSeries* Curve() const { return form->densityChart->Series(0); }
    ChartSeries* Marker() const { return form->densityChart->Series(1); }

    std::unique_ptr<HelpWindow> help;
    std::unique_ptr<CalculatorWindow> form;
    std::size_t messages = 0;
    int beeps = 0;
    int dfChains = 0;
};

}  // namespace tarvik::test
