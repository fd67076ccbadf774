#include "WindowFrame.h"
#include "Messages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPalette>

namespace {
constexpr int buttonWidth = 16;
constexpr int buttonHeight = 14;
}

QRect TWindowFrame::ClientRect() const
{
    return QRect(BorderWidth, BorderWidth + CaptionHeight, m_outer.width() - 2 * BorderWidth,
                 std::max(0, m_outer.height() - 2 * BorderWidth - CaptionHeight));
}

QRect TWindowFrame::CaptionRect() const
{
    return QRect(BorderWidth, BorderWidth, m_outer.width() - 2 * BorderWidth, CaptionHeight - 1);
}

QRect TWindowFrame::IconRect() const
{
    const QRect caption = CaptionRect();
    return QRect(caption.left() + 2, caption.top() + 1, 16, 16);
}

QRect TWindowFrame::CloseRect() const
{
    const QRect caption = CaptionRect();
    return QRect(caption.right() - 1 - buttonWidth, caption.top() + 2, buttonWidth, buttonHeight);
}

QRect TWindowFrame::MaximizeRect() const
{
    return CloseRect().translated(-buttonWidth - 2, 0);
}

QRect TWindowFrame::MinimizeRect() const
{
    return MaximizeRect().translated(-buttonWidth, 0);
}

int TWindowFrame::HitTest(QPoint p) const
{
    const QRect outer(QPoint(0, 0), m_outer);
    if (!outer.contains(p))
        return HTNOWHERE;
    if (ClientRect().contains(p))
        return HTCLIENT;
    const bool left = p.x() < BorderWidth, right = p.x() >= m_outer.width() - BorderWidth;
    const bool top = p.y() < BorderWidth, bottom = p.y() >= m_outer.height() - BorderWidth;
    if (left || right || top || bottom) {
        // Near a corner the edge counts as the corner, as on the usual frames.
        const bool nearLeft = p.x() < CornerLength, nearRight = p.x() >= m_outer.width() - CornerLength;
        const bool nearTop = p.y() < CornerLength, nearBottom = p.y() >= m_outer.height() - CornerLength;
        if ((top && nearLeft) || (left && nearTop))
            return HTTOPLEFT;
        if ((top && nearRight) || (right && nearTop))
            return HTTOPRIGHT;
        if ((bottom && nearLeft) || (left && nearBottom))
            return HTBOTTOMLEFT;
        if ((bottom && nearRight) || (right && nearBottom))
            return HTBOTTOMRIGHT;
        return left ? HTLEFT : right ? HTRIGHT : top ? HTTOP : HTBOTTOM;
    }
    if (IconRect().contains(p))
        return HTSYSMENU;
    if (CloseRect().contains(p))
        return HTCLOSE;
    if (MaximizeRect().contains(p))
        return HTMAXBUTTON;
    if (MinimizeRect().contains(p))
        return HTMINBUTTON;
    return HTCAPTION;
}

namespace {

void drawBevel(QPainter& painter, const QPalette& palette, QRect r, bool sunken)
{
    painter.fillRect(r, palette.color(QPalette::Button));
    const QColor light = palette.color(QPalette::Light), dark = palette.color(QPalette::Dark);
    const QColor shadow = palette.color(QPalette::Shadow);
    painter.setPen(sunken ? shadow : light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(sunken ? light : shadow);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(dark);
    if (!sunken) {
        painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }
}

} // namespace

void TWindowFrame::Paint(QPainter& painter, const QPalette& palette, const Look& look) const
{
    const QRect outer(QPoint(0, 0), m_outer);
    painter.fillRect(outer, palette.color(QPalette::Window));
    drawBevel(painter, palette, outer, false);
    painter.fillRect(outer.adjusted(2, 2, -2, -2), palette.color(QPalette::Window));

    const QRect caption = CaptionRect();
    QLinearGradient gradient(caption.topLeft(), caption.topRight());
    gradient.setColorAt(0, look.active ? QColor(10, 36, 106) : QColor(128, 128, 128));
    gradient.setColorAt(1, look.active ? QColor(166, 202, 240) : QColor(192, 192, 192));
    painter.fillRect(caption, gradient);

    look.icon.paint(&painter, IconRect());
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(look.active ? Qt::white : QColor(212, 208, 200));
    painter.drawText(caption.adjusted(IconRect().width() + 5, 0, -(caption.right() - MinimizeRect().left()), 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, look.caption);

    const auto button = [&](QRect r, int code, bool enabled, auto&& glyph) {
        const bool sunken = look.pressedButton == code;
        drawBevel(painter, palette, r, sunken);
        painter.setPen(QPen(enabled ? palette.color(QPalette::ButtonText) : palette.color(QPalette::Dark), 1));
        glyph(r.adjusted(4, 3, -5, -4).translated(sunken ? 1 : 0, sunken ? 1 : 0));
    };
    button(MinimizeRect(), HTMINBUTTON, true, [&](QRect g) {
        painter.fillRect(QRect(g.left(), g.bottom() - 1, 6, 2), painter.pen().color());
    });
    button(MaximizeRect(), HTMAXBUTTON, look.maximizeEnabled, [&](QRect g) {
        painter.drawRect(g);
        painter.drawLine(g.left(), g.top() + 1, g.right(), g.top() + 1);
    });
    button(CloseRect(), HTCLOSE, true, [&](QRect g) {
        painter.drawLine(g.topLeft(), g.bottomRight());
        painter.drawLine(g.bottomLeft(), g.topRight());
        painter.drawLine(g.topLeft() + QPoint(1, 0), g.bottomRight() + QPoint(1, 0));
        painter.drawLine(g.bottomLeft() + QPoint(1, 0), g.topRight() + QPoint(1, 0));
    });
}
