#include "FlatComboBox.h"

#include <QPainter>
#include <QStyleOption>

TFlatComboBox::TFlatComboBox(QWidget* parent)
    : QWidget(parent)
    , TWinControl(static_cast<QWidget&>(*this))
    , Items(new TStrings)
{
    Items->setParent(this);
    setFocusPolicy(Qt::NoFocus);
}

void TFlatComboBox::SetItemIndex(int index)
{
    m_itemIndex = index >= 0 && index < Items->Count() ? index : -1;
}

void TFlatComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const int arrowWidth = 13;
    const QRect face = rect().adjusted(3, 0, -arrowWidth, 0);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(face, Qt::AlignLeft | Qt::AlignVCenter, m_text);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(width() - arrowWidth, 0, arrowWidth, height());
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}
