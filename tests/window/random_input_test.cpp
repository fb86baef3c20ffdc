// Seeded random input against the real window: typing, the editing keys,
// the clipboard, double-clicks and drags, Tab and Enter, the freeze boxes
// and the spin arrows. After every event the window must hold two rules:
// - what is shown is right: no probability outside [0, 1] and no
//   "-0.000000", the numbers agree whenever the focus has just left a
//   number field, an error box appears at most once for one bad text and
//   only for the calculator's own errors, and no event takes a second;
// - the field the user is in holds what the user made: its text, selection
//   and caret are those of a plain QLineEdit fed the same events, with the
//   same characters refused. Only a commit (Enter) may rewrite it.
// TARVIK_SEED=N replays a run; TARVIK_EVENTS=N sets its length.
#include <algorithm>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <random>

#include "calc/input_filter.h"
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
           (m.startsWith('\'') && m.endsWith("' lies below the smallest number the calculator holds, 3.36e-4932.")) ||
           m == "Range check error.";
}

// A line edit as every other on the desktop: the number field's twin, with
// its size and font, shown and painted when the field is, so that a click
// at a point means the same character (a line edit scrolls its text as it
// paints).
struct Shadow {
    QLineEdit edit;
    Shadow(const LineEdit& field, QWidget* window) : edit(window) {
        edit.setFont(field.font());
        edit.setGeometry(field.geometry());
        edit.setText(field.text());
        edit.show();
    }
    void Sync(const QLineEdit& field) {
        edit.setText(field.text());
        SyncSelection(field);
    }
    // The caret and selection after a mouse gesture. A line edit closes its
    // undo step whenever its caret moves, and Select All (a triple click)
    // closes it even when the caret ends where it was; a gesture that did
    // either is mirrored by a caret move of the shadow's own, else a later
    // Ctrl+Z would undo further in one of the two.
    void SyncGesture(const QLineEdit& field, bool closedUndoStep) {
        if (closedUndoStep && !edit.text().isEmpty())
            edit.setCursorPosition(edit.cursorPosition() == 0 ? int(edit.text().size()) : 0);
        SyncSelection(field);
    }
    // The caret and selection, the caret at whichever end it is.
    void SyncSelection(const QLineEdit& field) {
        if (!field.hasSelectedText()) {
            edit.setCursorPosition(field.cursorPosition());
            return;
        }
        const int start = field.selectionStart(), length = int(field.selectedText().size());
        if (field.cursorPosition() == start)
            edit.setSelection(start + length, -length);
        else
            edit.setSelection(start, length);
    }
};

std::string Describe(const QLineEdit& e) {
    // Formatted by Qt: GCC 12 reports a false -Wstringop-overflow in a
    // chain of std::string additions here (GCC bug 105329's kin).
    return QString("'%1' caret %2 selection %3+%4")
        .arg(e.text())
        .arg(e.cursorPosition())
        .arg(e.selectionStart())
        .arg(e.selectedText().size())
        .toStdString();
}

class RandomInput : public WindowTest {
protected:
    std::mt19937_64 rng;
    std::unique_ptr<QWidget> shadowWindow;
    std::map<const QLineEdit*, std::unique_ptr<Shadow>> shadows;
    bool committed = false;  // the last event was an Enter: a rewrite is allowed
    Qt::FocusReason focusReason = Qt::OtherFocusReason;  // how the last event moved the focus

    int Pick(int n) { return int(rng() % unsigned(n)); }

    // The program's own writes reach the shadow at once, in their place
    // among the events: leaving the df field may rewrite the value field the
    // click is landing in. (A key reaches the shadow first, so a change the
    // shadow has not made is the program's.) A write into the field that has
    // the focus is allowed only on Enter or while the focus moves: a commit.
    void MakeShadows() {
        shadowWindow = std::make_unique<QWidget>();
        shadowWindow->resize(form->size());
        shadowWindow->show();
        for (LineEdit* f : Fields()) {
            shadows[f] = std::make_unique<Shadow>(*f, shadowWindow.get());
            QObject::connect(f, &QLineEdit::textChanged, f, [this, f](const QString& text) {
                if (text == shadows[f]->edit.text()) return;
                if (f == QApplication::focusWidget() && f == eventFocus && !committed) rewroteFocused = true;
                shadows[f]->Sync(*f);
            });
        }
    }
    bool rewroteFocused = false;
    LineEdit* mouseOn = nullptr;  // the field the last mouse gesture was in
    bool mouseClosedUndoStep = false;  // and whether it ended that field's undo step

    QWidget* eventFocus = nullptr;  // the focus when the current event began
    std::array<LineEdit*, 3> Fields() const { return {form->valueEdit, form->cdfEdit, form->upperTailEdit}; }
    LineEdit* FocusedField() const {
        for (LineEdit* f : Fields())
            if (QApplication::focusWidget() == f) return f;
        return nullptr;
    }
    QLineEdit* ShadowOf(const QWidget* w) {
        const auto* field = dynamic_cast<const QLineEdit*>(w);  // the focus may be a box or an arrow
        if (!field) return nullptr;
        auto it = shadows.find(field);
        return it == shadows.end() ? nullptr : &it->second->edit;
    }

    QString RandomText() {
        static const char* const kSamples[] = {"0.05", "0.01", "0.95", "23.5", "3.841459", "1e400", "-3",
                                               "1,5",  "0",    ".",    "1.5",  "0.0000001", "+",   " 7 ",
                                               " 23.5\n", "\t0.5\n", "1e39", "0.0000033"};
        if (Pick(2)) return kSamples[Pick(int(std::size(kSamples)))];
        static const char kAlphabet[] = "0123456789012345678.,e-+ xE";
        QString s;
        for (int i = Pick(8); i >= 0; --i) s += QChar(kAlphabet[Pick(int(sizeof kAlphabet) - 1)]);
        return s;
    }

    // A key to the focused widget; to a number field's shadow too, unless
    // the field's filter refuses its character.
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}, char ch = 0) {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = form->cdfEdit;
        QLineEdit* shadow = ShadowOf(target);
        if (shadow) {
            if (ch) {
                const int caret = shadow->hasSelectedText() ? shadow->selectionStart() : shadow->cursorPosition();
                if (NumericKeyAccepted(shadow->text().toStdU16String(), caret, char16_t(ch))) QTest::keyClick(shadow, ch);
            } else if (key == Qt::Key_Y && mods == Qt::ControlModifier) {
                shadow->redo();  // the fields redo on Ctrl+Y too, as on Windows
            } else if ((key == Qt::Key_V && mods == Qt::ControlModifier) ||
                       (key == Qt::Key_Insert && mods == Qt::ShiftModifier)) {
                // The fields trim a pasted text, as the command line does.
                const QString text = QGuiApplication::clipboard()->text().trimmed();
                if (!text.isEmpty() || shadow->hasSelectedText()) shadow->insert(text);
            } else {
                QTest::keyClick(shadow, key, mods);
            }
        }
        committed = shadow && (key == Qt::Key_Return || key == Qt::Key_Enter);
        if (std::getenv("TARVIK_TRACE")) std::fprintf(stderr, "key %x mods %x char %c\n", key, int(mods), ch ? ch : ' ');
        focusReason = key == Qt::Key_Tab ? Qt::TabFocusReason
                      : key == Qt::Key_Backtab ? Qt::BacktabFocusReason : Qt::OtherFocusReason;
        if (ch)
            QTest::keyClick(target, ch);
        else
            QTest::keyClick(target, key, mods);
    }

    // The focus moved: the shadows hear it too, so that Qt's own rules for a
    // line edit gaining or losing the focus (Tab selects the text unless
    // part of it is selected already) apply to them alike.
    void MirrorFocus(QWidget* before, QWidget* after) {
        if (before == after) return;
        if (QLineEdit* old = ShadowOf(before)) {
            QFocusEvent out(QEvent::FocusOut, focusReason);
            QApplication::sendEvent(old, &out);
        }
        if (QLineEdit* now = ShadowOf(after)) {
            QFocusEvent in(QEvent::FocusIn, focusReason);
            QApplication::sendEvent(now, &in);
        }
    }

    static void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    // A click, double-click or drag in a number field. Which character a
    // point lands on depends on how far the field has scrolled a text wider
    // than itself, which depends on when it was last painted: the shadow is
    // given the gesture's caret and selection (its text must not change),
    // and every key after it is held to the rule.
    void Mouse(LineEdit* field) {
        const int y = field->height() / 2;
        const QPoint a(2 + Pick(field->width() - 4), y), b(2 + Pick(field->width() - 4), y);
        const int gesture = Pick(3);
        if (std::getenv("TARVIK_TRACE"))
            std::fprintf(stderr, "mouse %d at %d..%d in %s\n", gesture, a.x(), b.x(),
                         field->accessibleName().toUtf8().constData());
        focusReason = Qt::MouseFocusReason;
        mouseClosedUndoStep = false;
        const QMetaObject::Connection caretWatch = QObject::connect(
            field, &QLineEdit::cursorPositionChanged, field, [this] { mouseClosedUndoStep = true; });
        const QMetaObject::Connection selectAllWatch =
            QObject::connect(field, &QLineEdit::selectionChanged, field, [this, field] {
                if (!field->text().isEmpty() && field->selectedText() == field->text()) mouseClosedUndoStep = true;
            });
        if (gesture == 0) {
            QTest::mouseClick(field, Qt::LeftButton, {}, a);
        } else if (gesture == 1) {
            QTest::mouseDClick(field, Qt::LeftButton, {}, a);
        } else {
            SendMouse(field, QEvent::MouseButtonPress, a, Qt::LeftButton);
            SendMouse(field, QEvent::MouseMove, (a + b) / 2, Qt::LeftButton);
            SendMouse(field, QEvent::MouseMove, b, Qt::LeftButton);
            SendMouse(field, QEvent::MouseButtonRelease, b, Qt::NoButton);
        }
        QObject::disconnect(caretWatch);
        QObject::disconnect(selectAllWatch);
        mouseOn = field;
    }

    void Send() {
        committed = false;
        mouseOn = nullptr;
        focusReason = Qt::MouseFocusReason;  // unless a key says otherwise
        const int kind = Pick(100);
        if (kind < 36) {
            static const char kChars[] = "0123456789..,,eE-+ax";
            Key(Qt::Key_unknown, {}, kChars[Pick(int(sizeof kChars) - 1)]);
        } else if (kind < 56) {
            static const Qt::Key kKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                                            Qt::Key_Home,      Qt::Key_End,    Qt::Key_Up,   Qt::Key_Down,
                                            Qt::Key_PageUp,    Qt::Key_Shift};
            const Qt::Key key = kKeys[Pick(int(std::size(kKeys)))];
            const bool select = key >= Qt::Key_Home && key <= Qt::Key_Down && Pick(2);
            Key(key, select ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (kind < 63) {
            static const Qt::Key kMoves[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Escape};
            const Qt::Key key = kMoves[Pick(int(std::size(kMoves)))];
            Key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (kind < 73) {
            static const Qt::Key kCtrl[] = {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_Y};
            const int i = Pick(int(std::size(kCtrl)) + 2);
            if (i == int(std::size(kCtrl)))
                Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            else if (i > int(std::size(kCtrl)))
                Key(Qt::Key_Insert, Qt::ShiftModifier);
            else
                Key(kCtrl[i], Qt::ControlModifier);
        } else if (kind < 77) {
            QGuiApplication::clipboard()->setText(RandomText());  // what the next paste brings
        } else if (kind < 86) {
            Mouse(Fields()[std::size_t(Pick(3))]);
        } else if (kind < 90) {
            QTest::mouseClick(Pick(2) ? form->keepValueBox : form->keepCdfBox, Qt::LeftButton, {}, QPoint(7, 7));
        } else if (kind < 93) {
            QCheckBox* box = Pick(2) ? form->keepValueBox : form->keepCdfBox;
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        } else {
            auto* arrows = form->dfSpinEdit->SpinButton();
            QTest::mouseClick(Pick(2) ? arrows->UpArrow() : arrows->DownArrow(), Qt::LeftButton, {}, QPoint(5, 4));
        }
    }

    std::string Text(Field f) const { return Fields()[std::size_t(f)]->text().toStdString(); }

    // Fields and shadows painted at the same moments, so that both scroll
    // their texts alike.
    void PaintAll() {
        for (LineEdit* f : Fields()) {
            f->repaint();
            shadows[f]->edit.repaint();
        }
    }
};

TEST_F(RandomInput, TheWindowHoldsTheRules) {
    // ctest runs the events in TARVIK_SHARDS processes side by side, shard
    // k on the seed plus k; each prints how to replay it alone.
    const unsigned long shards = std::max(1ul, EnvOr("TARVIK_SHARDS", 1));
    const unsigned long seed = EnvOr("TARVIK_SEED", std::random_device{}()) + EnvOr("TARVIK_SHARD", 0);
    const unsigned long events = EnvOr("TARVIK_EVENTS", 200000) / shards;
    std::printf("random input: seed %lu, %lu events (replay: TARVIK_SEED=%lu TARVIK_EVENTS=%lu)\n", seed, events,
                seed, events);
    std::fflush(stdout);
    rng.seed(seed);
    RecordProperty("seed", std::to_string(seed));
    MakeShadows();

    // Per widget: the bad text and message of its last box, forgotten when
    // the widget's text changes.
    std::map<QWidget*, std::pair<QString, QString>> lastBox;
    std::map<QWidget*, QString> lastText;
    QElapsedTimer clock;
    qint64 slowest = 0;
    unsigned long agreementChecks = 0, fidelityChecks = 0, boxes = 0;
    for (unsigned long i = 0; i < events; ++i) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", event " << i);
        QWidget* focusBefore = QApplication::focusWidget();
        const std::size_t boxesBefore = ShownMessages().size();
        clock.start();
        eventFocus = focusBefore;
        Send();
        if (std::getenv("TARVIK_TRACE"))
            std::fprintf(stderr, "%lu focus %s typing %d texts [%s|%s|%s] df %s\n", i,
                         QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "-",
                         form->Core().Typing() ? int(*form->Core().Typing()) : -1,
                         form->valueEdit->text().toUtf8().constData(), form->cdfEdit->text().toUtf8().constData(),
                         form->upperTailEdit->text().toUtf8().constData(),
                         form->dfSpinEdit->text().toUtf8().constData());
        slowest = std::max(slowest, clock.elapsed());
        MirrorFocus(focusBefore, QApplication::focusWidget());
        PaintAll();

        // The field the user is in holds what a plain line edit would; the
        // program may have written the others (or this one, on Enter).
        ASSERT_FALSE(std::exchange(rewroteFocused, false)) << "the program rewrote the field the user is in";
        if (mouseOn) {
            ASSERT_EQ(mouseOn->text(), shadows[mouseOn]->edit.text()) << "a mouse gesture changed the text";
            shadows[mouseOn]->SyncGesture(*mouseOn, mouseClosedUndoStep);
        }
        if (LineEdit* focused = FocusedField()) {
            ++fidelityChecks;
            ASSERT_EQ(Describe(*focused), Describe(shadows[focused]->edit))
                << "the field the user is in differs from a plain line edit";
        }

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
            const auto key = std::make_pair(e ? e->text() : QString(), message);
            ASSERT_FALSE(lastBox.count(w) && lastBox[w] == key)
                << "a second box for '" << key.first.toStdString() << "': " << message.toStdString();
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
            ASSERT_NE(typing >= 0 ? Fields()[std::size_t(typing)] : nullptr, focusBefore)
                << "the field left is still being typed";
            const auto why = Disagreement(shown);
            ASSERT_FALSE(why) << *why;
        }
    }
    std::printf("random input: %lu agreement checks after the focus left a field, %lu editing-fidelity checks, "
                "%lu error boxes, slowest event %lld ms\n",
                agreementChecks, fidelityChecks, boxes, static_cast<long long>(slowest));
    EXPECT_GT(agreementChecks, events / 100);  // the run really left fields
    EXPECT_GT(fidelityChecks, events / 4);     // and really edited them
}

}  // namespace
}  // namespace tarvik::test
