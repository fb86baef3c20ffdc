// Seeded random input against the real window: keys, pastes, clicks on the
// freeze boxes and the spin arrows. After every event the window must hold
// the rule: no probability outside [0, 1] and no "-0.000000" shown, the
// numbers agree whenever the focus has just left a number field, an error
// box appears at most once for one bad text, nothing but the calculator's
// own errors reaches the box, and no event takes a second.
// TARVIK_SEED=N replays a run; TARVIK_EVENTS=N sets its length.
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

#include "tests/support/agreement.h"
#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

unsigned long EnvOr(const char* name, unsigned long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoul(v, nullptr, 10) : fallback;
}

bool KnownMessage(const QString& m) {
    return (m.startsWith('\'') && m.endsWith("' is not a valid floating point value.")) ||
           m == "Range check error.";
}

class RandomInput : public WindowTest {
protected:
    std::mt19937_64 rng;
    int Pick(int n) { return int(rng() % unsigned(n)); }

    QString RandomText() {
        static const char* const kSamples[] = {"0.05", "0.01", "0.95", "23.5", "3.841459", "1e400", "-3",
                                               "1,5",  "0",    ".",    "1.5",  "0.0000001", "+",   " 7 "};
        if (Pick(2)) return kSamples[Pick(int(std::size(kSamples)))];
        static const char kAlphabet[] = "0123456789012345678.,e-+ xE";
        QString s;
        for (int i = Pick(8); i >= 0; --i) s += QChar(kAlphabet[Pick(int(sizeof kAlphabet) - 1)]);
        return s;
    }

    // One random event, sent to the widget with the focus or to a control.
    // Returns the text an overflow from the key filter would be about.
    QString Send() {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = form->cdfEdit;
        auto* edit = qobject_cast<QLineEdit*>(target);
        const int kind = Pick(100);
        if (kind < 45) {
            static const char kChars[] = "0123456789..,,eE-+ax";
            const char c = kChars[Pick(int(sizeof kChars) - 1)];
            QString copy;
            if (edit) {
                copy = edit->text();
                copy.insert(edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition(), QChar(c));
            }
            if (std::getenv("TARVIK_TRACE")) std::fprintf(stderr, "key %c\n", c);
            QTest::keyClick(target, c);
            return copy;
        }
        if (kind < 70) {
            static const Qt::Key kKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                                            Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home, Qt::Key_End,
                                            Qt::Key_Tab,       Qt::Key_Return, Qt::Key_Escape, Qt::Key_Shift,
                                            Qt::Key_PageUp};
            QTest::keyClick(target, kKeys[Pick(int(std::size(kKeys)))]);
        } else if (kind < 78) {
            static const Qt::Key kCtrl[] = {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z};
            QTest::keyClick(target, kCtrl[Pick(int(std::size(kCtrl)))], Qt::ControlModifier);
        } else if (kind < 86) {
            LineEdit* fields[] = {form->valueEdit, form->cdfEdit, form->upperTailEdit};
            Paste(fields[Pick(3)], RandomText());
        } else if (kind < 90) {
            QTest::mouseClick(Pick(2) ? form->keepValueBox : form->keepCdfBox, Qt::LeftButton, {}, QPoint(7, 7));
        } else if (kind < 93) {
            QCheckBox* box = Pick(2) ? form->keepValueBox : form->keepCdfBox;
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        } else if (kind < 98) {
            auto* arrows = form->dfSpinEdit->SpinButton();
            QTest::mouseClick(Pick(2) ? arrows->UpArrow() : arrows->DownArrow(), Qt::LeftButton, {}, QPoint(5, 4));
        } else {
            LineEdit* fields[] = {form->valueEdit, form->cdfEdit, form->upperTailEdit};
            QTest::mouseClick(fields[Pick(3)], Qt::LeftButton, {}, QPoint(10, 10));
        }
        return {};
    }

    std::string Text(Field f) const {
        LineEdit* fields[] = {form->valueEdit, form->cdfEdit, form->upperTailEdit};
        return fields[int(f)]->text().toStdString();
    }
};

TEST_F(RandomInput, TheWindowHoldsTheRule) {
    const unsigned long seed = EnvOr("TARVIK_SEED", std::random_device{}());
    const unsigned long events = EnvOr("TARVIK_EVENTS", 200000);
    std::printf("random input: seed %lu, %lu events (replay: TARVIK_SEED=%lu)\n", seed, events, seed);
    std::fflush(stdout);
    rng.seed(seed);
    RecordProperty("seed", std::to_string(seed));

    // Per widget: the bad text and message of its last box, forgotten when
    // the widget's text changes.
    std::map<QWidget*, std::pair<QString, QString>> lastBox;
    std::map<QWidget*, QString> lastText;
    QElapsedTimer clock;
    qint64 slowest = 0;
    unsigned long agreementChecks = 0, boxes = 0;
    for (unsigned long i = 0; i < events; ++i) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", event " << i);
        QWidget* focusBefore = QApplication::focusWidget();
        const std::size_t boxesBefore = ShownMessages().size();
        clock.start();
        const QString overflowText = Send();
        if (std::getenv("TARVIK_TRACE"))
            std::fprintf(stderr, "%lu focus %s typing %d texts [%s|%s|%s] df %s\n", i,
                         QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "-",
                         form->Core().Typing() ? int(*form->Core().Typing()) : -1,
                         form->valueEdit->text().toUtf8().constData(), form->cdfEdit->text().toUtf8().constData(),
                         form->upperTailEdit->text().toUtf8().constData(),
                         form->dfSpinEdit->text().toUtf8().constData());
        slowest = std::max(slowest, clock.elapsed());
        ASSERT_LT(clock.elapsed(), 1000);

        // The window shows what the core holds, and no computed field a
        // probability outside [0, 1] or a negative zero.
        const Calculator& calc = form->Core();
        const int typing = calc.Typing() ? int(*calc.Typing()) : -1;
        for (Field f : {Field::Value, Field::Cdf, Field::UpperTail})
            ASSERT_EQ(Text(f), calc.Text(f)) << "field " << int(f);
        ShownNumbers shown{form->dfSpinEdit->Value(), Text(Field::Value), Text(Field::Cdf),
                           Text(Field::UpperTail), form->densityLabel->text().toStdString(), typing};
        for (Field f : {Field::Cdf, Field::UpperTail}) {
            Real p = 0;
            if (int(f) != typing && TryTextToReal(Text(f), p)) {
                ASSERT_TRUE(p >= 0 && p <= 1) << Text(f);
            }
        }
        // "-0.000000" may only be the user's own text, still being typed.
        const std::string* computed[] = {&shown.value, &shown.cdf, &shown.upper};
        for (int f = 0; f < 3; ++f)
            if (f != typing) {
                ASSERT_NE(*computed[f], "-0.000000");
            }
        ASSERT_NE(shown.pdf, "-0.000000");

        // Boxes: only the calculator's own errors, once per bad text.
        const bool boxed = ShownMessages().size() > boxesBefore;
        for (std::size_t b = boxesBefore; b < ShownMessages().size(); ++b) {
            const QString& message = ShownMessages()[b].second;
            ASSERT_TRUE(KnownMessage(message)) << message.toStdString();
            QWidget* w = QApplication::focusWidget();
            auto* e = qobject_cast<QLineEdit*>(w);
            const QString bad = message == "Floating point overflow." && !overflowText.isEmpty()
                                    ? overflowText
                                    : (e ? e->text() : QString());
            const auto key = std::make_pair(bad, message);
            ASSERT_FALSE(lastBox.count(w) && lastBox[w] == key)
                << "a second box for '" << bad.toStdString() << "': " << message.toStdString();
            lastBox[w] = key;
        }
        for (QLineEdit* e : {static_cast<QLineEdit*>(form->valueEdit), static_cast<QLineEdit*>(form->cdfEdit),
                             static_cast<QLineEdit*>(form->upperTailEdit), static_cast<QLineEdit*>(form->dfSpinEdit)}) {
            if (lastText[e] != e->text()) lastBox.erase(e);
            lastText[e] = e->text();
        }

        // The focus has just left a number field: everything agrees (but the
        // field this same event typed into, a paste elsewhere), unless a box
        // said why not.
        const bool leftAField = focusBefore != QApplication::focusWidget() &&
                                (focusBefore == form->valueEdit || focusBefore == form->cdfEdit ||
                                 focusBefore == form->upperTailEdit);
        boxes += ShownMessages().size() - boxesBefore;
        if (leftAField && !boxed) {
            ++agreementChecks;
            LineEdit* fields[] = {form->valueEdit, form->cdfEdit, form->upperTailEdit};
            ASSERT_NE(typing >= 0 ? fields[typing] : nullptr, focusBefore) << "the field left is still being typed";
            const auto why = Disagreement(shown);
            ASSERT_FALSE(why) << *why;
        }
    }
    std::printf("random input: %lu agreement checks after the focus left a field, %lu error boxes, "
                "slowest event %lld ms\n",
                agreementChecks, boxes, static_cast<long long>(slowest));
    EXPECT_GT(agreementChecks, events / 100);  // the run really left fields
}

}  // namespace
}  // namespace tarvik::test
