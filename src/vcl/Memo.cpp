#include "Memo.h"
#include "Forms.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

Word VirtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return 32;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return VK_DELETE;
    default: break;
    }
    // Digits and letters have their ASCII codes in both.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return Word(qtKey);
    return 0;
}

namespace {

// The character a key types as the program sees it: Ctrl with a letter types
// a control character (Ctrl+V is 22), Alt and Delete type none, whatever Qt
// puts into the event's text.
QString typedCharacter(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (event.key() == Qt::Key_Delete || (modifiers & Qt::AltModifier))
        return {};
    if ((modifiers & Qt::ControlModifier) && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return QString(QChar(char16_t(event.key() - Qt::Key_A + 1)));
    return event.text();
}

} // namespace

TMemo::TMemo(QWidget* parent)
    : QPlainTextEdit(parent)
    , TWinControl(static_cast<QWidget&>(*this))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setViewportMargins(0, 0, 0, 0);
    document()->setDocumentMargin(0);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
}

int TMemo::room() const
{
    if (MaxLength <= 0)
        return INT_MAX;
    const QTextCursor cursor = textCursor();
    const int kept = int(Text().size()) - (cursor.selectionEnd() - cursor.selectionStart());
    return std::max(0, MaxLength - kept);
}

bool TMemo::refusesTyped(QChar c) const
{
    if (c < u' ' || c == QChar(0x7f))
        return false;
    return (NumbersOnly() && !(c >= u'0' && c <= u'9')) || room() < 1;
}

void TMemo::keyPressEvent(QKeyEvent* event)
{
    const Word pressed = VirtualKeyCode(event->key());
    Word key = pressed;
    if (OnKeyDown && !Application->Dispatch([&] { OnKeyDown(this, key, event->modifiers()); }))
        return;
    if (pressed != 0 && key == 0)
        return;

    const QString typed = typedCharacter(*event);
    if (!typed.isEmpty()) {
        QChar c = typed.front();
        if (OnKeyPress && !Application->Dispatch([&] { OnKeyPress(this, c); }))
            return;
        if (c.isNull() || refusesTyped(c))
            return;
        if (c != typed.front()) {
            insertPlainText(c);
            return;
        }
    }
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && !WantReturns)
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void TMemo::mousePressEvent(QMouseEvent* event)
{
    FocusOnPress();
    QPlainTextEdit::mousePressEvent(event);
}

void TMemo::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
        Application->Dispatch([&] { OnClick(this); });
}

void TMemo::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    QString text = source->text();
    const int fits = room();
    if (text.size() > fits) {
        text.truncate(fits);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    if (!text.isEmpty())
        textCursor().insertText(text);
}
