// The form's own frame: its geometry, the window menu, and what the pointer
// does over the frame.
#include "Forms.h"
#include "WindowFrame.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

namespace {

Qt::CursorShape cursorFor(int hitTest)
{
    switch (hitTest) {
    case HTLEFT:
    case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

Qt::Edges edgesFor(int hitTest)
{
    switch (hitTest) {
    case HTLEFT: return Qt::LeftEdge;
    case HTRIGHT: return Qt::RightEdge;
    case HTTOP: return Qt::TopEdge;
    case HTBOTTOM: return Qt::BottomEdge;
    case HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT: return Qt::BottomEdge | Qt::RightEdge;
    default: return {};
    }
}

bool isEdge(int hitTest)
{
    return hitTest >= HTLEFT && hitTest <= HTBOTTOMRIGHT;
}

} // namespace

TForm::TForm(int outerWidth, int outerHeight)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_client(new QWidget(this))
    , m_windowMenu(new QMenu(this))
    , m_closeAction(new QAction(QStringLiteral("閉じる(&C)"), this))
    , m_windowMenuTimer(new QTimer(this))
{
    m_windowMenuTimer->setSingleShot(true);
    connect(m_windowMenuTimer, &QTimer::timeout, this, &TForm::PopupWindowMenu);
    resize(outerWidth, outerHeight);
    setMouseTracking(true);
    m_closeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    m_closeAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(m_closeAction);
    auto* openMenu = new QAction(this);
    openMenu->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
    openMenu->setShortcutContext(Qt::WindowShortcut);
    connect(openMenu, &QAction::triggered, this, &TForm::PopupWindowMenu);
    addAction(openMenu);
    ResetWindowMenu();
    m_focusTracking = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { followQtFocus(now); });
}

TForm::~TForm()
{
    // Qt moves the focus while it takes the widgets down, after this form has
    // stopped being a TForm.
    disconnect(m_focusTracking);
}

void TForm::ResetWindowMenu()
{
    m_windowMenu->clear();
    // The standard window menu; Restore, Size and Maximize cannot apply to a
    // window of fixed size that is neither maximized nor minimized.
    const auto entry = [this](const QString& text, bool enabled) {
        QAction* action = m_windowMenu->addAction(text);
        action->setEnabled(enabled);
        return action;
    };
    entry(QStringLiteral("元のサイズに戻す(&R)"), false);
    connect(entry(QStringLiteral("移動(&M)"), true), &QAction::triggered, this, [this] {
        if (!windowHandle() || !windowHandle()->startSystemMove())
            startDrag(HTCAPTION, QCursor::pos(), false);
    });
    entry(QStringLiteral("サイズ変更(&S)"), false);
    connect(entry(QStringLiteral("最小化(&N)"), true), &QAction::triggered, this, &QWidget::showMinimized);
    entry(QStringLiteral("最大化(&X)"), false);
    m_windowMenu->addSeparator();
    m_windowMenu->addAction(m_closeAction);
}

void TForm::PopupWindowMenu()
{
    const QRect icon = TWindowFrame(size()).IconRect();
    m_windowMenu->popup(mapToGlobal(icon.bottomLeft() + QPoint(0, 1)));
}

int TForm::ClientWidth() const
{
    return m_client->width();
}

int TForm::ClientHeight() const
{
    return m_client->height();
}

void TForm::SetClientHeight(int height)
{
    resize(width(), height + (this->height() - ClientHeight()));
}

void TForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_client->setGeometry(TWindowFrame(size()).ClientRect());
}

void TForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TWindowFrame::Look look;
    look.caption = windowTitle();
    look.icon = windowIcon();
    look.active = isActiveWindow();
    look.pressedButton = m_pressedButton;
    TWindowFrame(size()).Paint(painter, palette(), look);
}

void TForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowTitleChange)
        update();
}

void TForm::WMNCHitTest(TWMNCHitTest& Message)
{
    Message.Result = TWindowFrame(size()).HitTest(mapFromGlobal(QPoint(Message.XPos, Message.YPos)));
}

void TForm::WMNCLButtonDblClk(TWMNCLButtonDblClk& Message)
{
    if (Message.HitTest == HTSYSMENU)
        close();
}

int TForm::NonClientHitTest(QPoint globalPosition)
{
    TWMNCHitTest message;
    message.XPos = globalPosition.x();
    message.YPos = globalPosition.y();
    Application->Dispatch([&] { WMNCHitTest(message); });
    return message.Result;
}

void TForm::startDrag(int hitTest, QPoint globalPosition, bool byPress)
{
    m_dragHitTest = hitTest;
    m_dragByPress = byPress;
    m_dragStart = globalPosition;
    m_dragGeometry = geometry();
    grabMouse();
}

void TForm::endDrag()
{
    m_dragHitTest = HTNOWHERE;
    releaseMouse();
}

void TForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (m_dragHitTest != HTNOWHERE) {
        // A move begun from the window menu ends with the next press.
        endDrag();
        return;
    }
    const int hitTest = NonClientHitTest(global);
    QWindow* window = windowHandle();
    if (hitTest == HTCAPTION) {
        if (!window || !window->startSystemMove())
            startDrag(hitTest, global, true);
    } else if (isEdge(hitTest)) {
        if (!window || !window->startSystemResize(edgesFor(hitTest)))
            startDrag(hitTest, global, true);
    } else if (hitTest == HTSYSMENU) {
        // Opened once no double click can follow, which the icon answers otherwise.
        m_windowMenuTimer->start(QApplication::doubleClickInterval());
    } else if (hitTest == HTMINBUTTON || hitTest == HTCLOSE) {
        m_pressedButton = hitTest;
        update();
    }
}

void TForm::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (m_dragHitTest == HTNOWHERE) {
        setCursor(cursorFor(NonClientHitTest(global)));
        return;
    }
    const QPoint delta = global - m_dragStart;
    if (m_dragHitTest == HTCAPTION) {
        move(m_dragGeometry.topLeft() + delta);
        return;
    }
    QRect r = m_dragGeometry;
    const Qt::Edges edges = edgesFor(m_dragHitTest);
    const int minimum = 2 * TWindowFrame::BorderWidth + TWindowFrame::CaptionHeight;
    if (edges & Qt::LeftEdge)
        r.setLeft(std::min(r.left() + delta.x(), r.right() - minimum));
    if (edges & Qt::RightEdge)
        r.setRight(std::max(r.right() + delta.x(), r.left() + minimum));
    if (edges & Qt::TopEdge)
        r.setTop(std::min(r.top() + delta.y(), r.bottom() - minimum));
    if (edges & Qt::BottomEdge)
        r.setBottom(std::max(r.bottom() + delta.y(), r.top() + minimum));
    setGeometry(r);
}

void TForm::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_dragHitTest != HTNOWHERE && m_dragByPress) {
        endDrag();
        return;
    }
    const int pressed = std::exchange(m_pressedButton, HTNOWHERE);
    if (pressed == HTNOWHERE)
        return;
    update();
    if (NonClientHitTest(event->globalPosition().toPoint()) != pressed)
        return;
    if (pressed == HTMINBUTTON)
        showMinimized();
    else if (pressed == HTCLOSE)
        close();
}

void TForm::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (TWindowFrame(size()).HitTest(mapFromGlobal(global)) == HTCLIENT)
        return;
    m_windowMenuTimer->stop();
    TWMNCLButtonDblClk message;
    message.HitTest = NonClientHitTest(global);
    message.XCursor = global.x();
    message.YCursor = global.y();
    Application->Dispatch([&] { WMNCLButtonDblClk(message); });
}
