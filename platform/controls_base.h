#pragma once
// Thin base classes over Qt widgets with the control model the window is
// written against (properties, On* events, key hooks). Every
// Qt entry point of ours (events, signals) runs inside Guarded(): no
// exception ever unwinds through a Qt frame.
#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <memory>

class QMenu;

namespace tarvik {

class FocusableWidget : public QWidget {
public:
    explicit FocusableWidget(QWidget* parent = nullptr);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);
    // Visible, enabled and able to hold the keyboard focus.
    bool CanFocus() const;

private:
    bool tabStop_ = true;
};

class Panel : public FocusableWidget {
public:
    explicit Panel(QWidget* parent = nullptr);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& c) { caption_ = c; }

private:
    QString caption_;
};

// The edit pipeline: key-down hook, then for a character the
// key-press hook (which may replace or drop it), then insertion; key-up last.
// Characters are passed as QChar; the null character drops a key.
class LineEdit : public QLineEdit {
public:
    explicit LineEdit(QWidget* parent = nullptr);

    std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)> OnKeyDown;
    std::function<void(QObject* sender, QChar& key)> OnKeyPress;
    std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)> OnKeyUp;
    std::function<void(QObject* sender)> OnEnter;
    std::function<void(QObject* sender)> OnExit;
    // The right-click menu: Qt's standard one (undo, cut, copy, paste...),
    // to which the window may add its entries before it opens.
    std::function<void(QObject* sender, QMenu& menu)> OnContextPopup;
    std::unique_ptr<QMenu> ContextMenu();

    // Caret position, 0-based: the start of the selection when text is selected.
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    // Repaints at once, not at the next turn of the event loop.
    void RepaintNow() { repaint(); }
    // Why the focus last left the field: inside OnExit, tells a move to
    // another control from the window losing the activation or a popup menu.
    Qt::FocusReason ExitReason() const { return exitReason_; }

protected:
    // Hooks of the pipeline, all called inside the guard.
    virtual void KeyDown(int& key, Qt::KeyboardModifiers shift, QKeyEvent* event);
    virtual void KeyPress(QChar& key);
    virtual void KeyUp(int& key, Qt::KeyboardModifiers shift);
    virtual void DoEnter(QFocusEvent* event);
    virtual void DoExit(QFocusEvent* event);
    // Paste and cut as the keyboard asks for them; the default does them.
    virtual void DoPaste() { PasteFrom(QClipboard::Clipboard); }
    virtual void DoCut() { cut(); }
    // Every paste (keys, menu, middle button) goes here: the clipboard's
    // text without the blanks and line ends around it, as a spreadsheet
    // cell copies " 23.5\n". Replaces the selection, like Qt's own paste.
    void PasteFrom(QClipboard::Mode mode);

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void HandleKey(QKeyEvent* event);
    Qt::FocusReason exitReason_ = Qt::OtherFocusReason;
};

// A push button without a window of its own: down state and click handling
// are ours, so clicks run inside our guard. A click made by the program or
// an assistive technology (QAbstractButton::click, the accessible Press
// action) runs the same OnClick.
class FlatButton : public QAbstractButton {
public:
    explicit FlatButton(QWidget* parent = nullptr);
    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender, Qt::MouseButton button)> OnMouseDown;
    // Runs OnClick; exceptions propagate to the caller.
    void Click();
    // The pointer button is held after a press on the button.
    bool Held() const { return held_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // Extension points inside the guard.
    virtual void MouseDown(Qt::MouseButton button, const QPoint& pos);
    virtual void MouseUp(Qt::MouseButton button, const QPoint& pos);

private:
    bool held_ = false;
};

}  // namespace tarvik
