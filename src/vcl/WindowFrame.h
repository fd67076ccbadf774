#pragma once
// The frame that a form draws around its client area: a sizeable-looking
// border and a title bar with the window's icon, its caption, and the
// minimize, maximize and close buttons.
#include <QIcon>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;

class TWindowFrame {
public:
    static constexpr int BorderWidth = 4;
    static constexpr int CaptionHeight = 19;
    static constexpr int CornerLength = 16;

    explicit TWindowFrame(QSize outer)
        : m_outer(outer)
    {
    }

    QRect ClientRect() const;
    QRect CaptionRect() const;
    QRect IconRect() const;
    QRect MinimizeRect() const;
    QRect MaximizeRect() const;
    QRect CloseRect() const;

    // The hit-test code of a point given in the window's own coordinates.
    int HitTest(QPoint point) const;

    struct Look {
        QString caption;
        QIcon icon;
        bool active = true;
        bool maximizeEnabled = false;
        int pressedButton = 0; // a hit-test code of a button, or 0
    };
    void Paint(QPainter& painter, const QPalette& palette, const Look& look) const;

private:
    QSize m_outer;
};
