#include "StdCtrls.h"

TGroupBox::TGroupBox(QWidget* parent, const QString& caption)
    : QGroupBox(caption, parent)
    , TControl(static_cast<QWidget&>(*this))
{
}

TLabel::TLabel(QWidget* parent, const QString& caption)
    : QLabel(caption, parent)
    , TControl(static_cast<QWidget&>(*this))
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
