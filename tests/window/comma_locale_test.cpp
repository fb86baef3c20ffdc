// The calculator on a German desktop: this binary runs under
// LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8, so QApplication has put the C
// library's LC_NUMERIC on the comma too. Typed decimals must be read in
// full, and every text written with the comma.
#include <clocale>
#include <cstring>

#include "core/decimal_digits.h"
#include "tests/support/agreement.h"
#include "tests/window/window_fixture.h"
#include <QLineEdit>
#include "window/table_window.h"
#include "window/critical_values_window.h"
#include "window/power_window.h"

namespace tarvik::test {
namespace {

class CommaDesktop : public WindowTest {
protected:
    void SetUp() override {
#ifdef Q_OS_WIN
        // Qt on Windows leaves the C library's locale alone (the desktop's
        // comes from the user's settings, which wine takes from LANG): set
        // it as a plug-in or a host program might, so that a conversion
        // leaning on it would show here too.
        std::setlocale(LC_ALL, "German_Germany.1252");
#endif
        // Without the real locale this binary would prove nothing.
        ASSERT_STREQ(std::localeconv()->decimal_point, ",")
            << "de_DE.UTF-8 is not installed or not in the environment (scripts/install-deps.sh)";
        ASSERT_EQ(CurrentFormatSettings().DecimalSeparator, ',');
        WindowTest::SetUp();
    }
    static std::string Comma(Real v) { return FormatFixed(v); }
};

TEST_F(CommaDesktop, CoreConversionsIgnoreTheCLocale) {
    struct Case {
        Real v;
        const char* fixed;
        const char* scientific;
    } cases[] = {{0.886154L, "0.886154", "8.86154000000000000e-01"},
                 {2.5L, "2.500000", "2.50000000000000000e+00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FixedDigits(c.v, 6), c.fixed);
        EXPECT_EQ(ScientificDigits(c.v, 17), c.scientific);
    }
    Real v = 0;
    EXPECT_TRUE(ParseCanonical("2.5", v));
    EXPECT_EQ(v, 2.5L);
    EXPECT_FALSE(ParseCanonical("2,5", v));  // never read as the shorter 2
    EXPECT_TRUE(TryTextToReal("2,5", v));
    EXPECT_EQ(v, 2.5L);
}

TEST_F(CommaDesktop, StartValuesDensityAndChart) {
    EXPECT_EQ(form->valueEdit->text(), "3,841459");
    EXPECT_EQ(form->cdfEdit->text(), "0,95");
    EXPECT_EQ(form->upperTailEdit->text(), "0,05");
    EXPECT_EQ(form->densityLabel->text(), "0,029819");
    // The range is that of a cdf of 0.95, not of a truncated 0.
    EXPECT_DOUBLE_EQ(Curve()->Points().back().X, double(FQuantile(0.0001L, 1, 3000)));
    EXPECT_NEAR(Marker()->Points()[0].X, 3.841459, 5e-7);  // the exact quantile of 0.95
}

TEST_F(CommaDesktop, TypingAndPasting) {
    Retype(form->valueEdit, "2,5");
    EXPECT_EQ(form->cdfEdit->text(), "0,886154");
    EXPECT_EQ(form->upperTailEdit->text(), "0,113846");
    EXPECT_EQ(form->densityLabel->text().toStdString(), Comma(ChiSquarePdf(1, 2.5L)));
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].X, 2.5);
    Retype(form->cdfEdit, "0,95");
    EXPECT_EQ(form->upperTailEdit->text(), "0,050000");
    EXPECT_EQ(form->valueEdit->text(), "3,841459");
    Paste(form->upperTailEdit, "0,01");
    EXPECT_EQ(form->cdfEdit->text(), "0,990000");
    EXPECT_EQ(form->valueEdit->text(), "6,634897");
    Retype(form->valueEdit, "1.5");  // the point typed is the decimal comma, never dropped
    EXPECT_EQ(form->valueEdit->text(), "1,5");
    EXPECT_EQ(NewBeeps(), 0);
    EXPECT_TRUE(NewMessages().empty());
}

// The tooltip and "Copy full precision" speak the desktop's comma; the
// results line keeps the point, as the command line does.
TEST_F(CommaDesktop, PrecisionOnDemand) {
    form->dfSpinEdit->SetValue(12);
    Retype(form->valueEdit, "23,5");
    EXPECT_TRUE(form->valueEdit->toolTip().startsWith("2,35000e+01  (6 significant digits)\n23,5  (full precision)"))
        << form->valueEdit->toolTip().toStdString();
    form->CopyResults();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        "df=12  x=23.500000  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362\ndf=12  x=23.5  P(X<=x)=0.97623"))
        << QGuiApplication::clipboard()->text().toStdString();
}

// A typed point is the decimal comma in every window's number fields, as
// in the calculator's; the hints are written with the comma.
TEST_F(CommaDesktop, APointIsTheDecimalCommaInEveryWindow) {
    form->ShowPower();
    form->ShowCriticalValues();
    form->ShowTableTest();
    PowerWindow* power = form->Power();
    form->TableTest()->Paste("10\t30\n");  // one row: the expected field opens
    struct Case {
        QLineEdit* edit;
        const char* typed;
        const char* shown;
    } cases[] = {
        {power->effectEdit, "0.3", "0,3"},
        {power->alphaEdit, "1.5e-3", "1,5e-3"},
        {form->CriticalValues()->probabilitiesEdit, "0.05 0.01;0,1", "0,05 0,01;0,1"},
        {form->TableTest()->expectedEdit, "0.25 0.75", "0,25 0,75"},
        {power->powerEdit, "0.8.1", "0,8.1"},  // as typed: a second mark stays, for the window to name
    };
    for (const auto& c : cases) {
        c.edit->setFocus();
        c.edit->selectAll();
        QTest::keyClicks(c.edit, c.typed);
        EXPECT_EQ(c.edit->text(), c.shown);
    }
    EXPECT_TRUE(power->effectEdit->accessibleDescription().contains("0,1")) << power->effectEdit->accessibleDescription().toStdString();
}

}  // namespace
}  // namespace tarvik::test
