#include "window/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>

#include "platform/screen_fit.h"

#include "resources/help_text.h"
#include "platform/fonts.h"

namespace tarvik {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(" Zu  Tarvik");
    setFont(LayoutFont("MS Sans Serif", 11));
    move(187, 248);
    resize(592, 453);
    helpText = new QTextEdit(this);
    helpText->setReadOnly(true);  // selectable and copyable, never changed
    helpText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    helpText->setLineWrapMode(QTextEdit::WidgetWidth);
    helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    helpText->setPlainText(HelpTextLines().join('\n'));
    helpText->setGeometry(rect());
    helpText->setAccessibleName(tr("Help text"));
    // Escape and Ctrl+W close the help, as in other desktop programs'
    // secondary windows.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, this);
        QObject::connect(shortcut, &QShortcut::activated, this, [this] { close(); });
    }
    PlaceOnScreen(*this);
}

void HelpWindow::ShowLine(int line) {
    const QTextBlock block = helpText->document()->findBlockByNumber(line);
    if (!block.isValid()) return;
    helpText->setTextCursor(QTextCursor(block));
    helpText->verticalScrollBar()->setValue(
        int(helpText->document()->documentLayout()->blockBoundingRect(block).top()));
}

void HelpWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    helpText->setGeometry(rect());
}

}  // namespace tarvik
