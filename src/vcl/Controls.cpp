#include "Controls.h"
#include "Forms.h"

TControl::TControl(QWidget& widget)
    : m_widget(widget)
{
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    m_widget.setGeometry(left, top, width, height);
}

void TControl::SetVisible(bool visible)
{
    m_widget.setVisible(visible);
}

void TControl::Repaint()
{
    m_widget.repaint();
}

TForm* TWinControl::Form() const
{
    return dynamic_cast<TForm*>(Widget().window());
}

void TWinControl::SetFocus()
{
    if (TForm* form = Form())
        form->FocusControl(this);
}

bool TWinControl::Focused() const
{
    const TForm* form = Form();
    return form && form->ActiveControl() == this;
}

void TWinControl::FocusOnPress()
{
    if (!Focused())
        Application->Dispatch([this] { SetFocus(); });
}

TWinControl* TWinControl::FromWidget(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (auto* control = dynamic_cast<TWinControl*>(widget))
            return control;
        if (widget->isWindow())
            break;
    }
    return nullptr;
}
