#include "ComCtrls.h"

#include <QPainter>
#include <QStyleOptionHeader>

THeaderControl::THeaderControl(QWidget* parent)
    : QWidget(parent)
    , TControl(static_cast<QWidget&>(*this))
{
    setEnabled(false);
}

void THeaderControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int left = 0;
    for (const THeaderSection& section : Sections) {
        QStyleOptionHeader option;
        option.initFrom(this);
        // Drawn as enabled: the bar is disabled only so that it ignores the mouse.
        option.state = QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Horizontal;
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = QRect(left, 0, section.Width, height());
        option.text = section.Text;
        option.textAlignment = section.Alignment | Qt::AlignVCenter;
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
        left += section.Width;
    }
    if (left < width()) {
        QStyleOptionHeader rest;
        rest.initFrom(this);
        rest.state = QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Horizontal;
        rest.palette.setCurrentColorGroup(QPalette::Active);
        rest.rect = QRect(left, 0, width() - left, height());
        style()->drawControl(QStyle::CE_HeaderEmptyArea, &rest, &painter, this);
    }
}
