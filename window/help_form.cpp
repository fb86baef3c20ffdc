#include "window/help_form.h"

#include <QShortcut>

#include "platform/screen_fit.h"

#include "resources/help_text.h"
#include "resources/icon.h"
#include "platform/fonts.h"

namespace tarvik {

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(" Zu  Tarvik");
    setWindowIcon(ProgramIcon());
    setFont(LayoutFont("MS Sans Serif", 11));
    move(187, 248);
    resize(592, 453);
    HelpRichEdit = new QTextEdit(this);
    HelpRichEdit->setReadOnly(true);  // selectable and copyable, never changed
    HelpRichEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    HelpRichEdit->setLineWrapMode(QTextEdit::WidgetWidth);
    HelpRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpRichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HelpRichEdit->setPlainText(HelpTextLines().join('\n'));
    HelpRichEdit->setGeometry(rect());
    HelpRichEdit->setAccessibleName("Help text");
    // Escape and Ctrl+W close the help, as in other desktop programs'
    // secondary windows.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, this);
        QObject::connect(shortcut, &QShortcut::activated, this, [this] { close(); });
    }
    PlaceOnScreen(*this);
}

void THelpForm::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    HelpRichEdit->setGeometry(rect());
}

}  // namespace tarvik
