#pragma once
// What every control of a form shares: its widget, its bounds, and for
// controls that can hold the keyboard focus, the focus as the form keeps it.
#include "Classes.h"
#include "WinApi.h"

#include <QWidget>

class TForm;

class TControl : public TObject {
public:
    explicit TControl(QWidget& widget);

    QWidget& Widget() const { return m_widget; }
    void SetBounds(int left, int top, int width, int height);
    void SetVisible(bool visible);
    // Paints the control at once, without waiting for the event loop.
    void Repaint();

private:
    QWidget& m_widget;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;

    TNotifyEvent OnEnter;

    // Moves the keyboard focus here; OnEnter has run when this returns.
    void SetFocus();
    bool Focused() const;
    TForm* Form() const;
    HWND Handle() const { return &Widget(); }

    // The window style bits, as the operating-system stand-ins read and write them.
    std::int32_t WindowStyle() const { return m_style; }
    void SetWindowStyle(std::int32_t style) { m_style = style; }

    // For a press on the control: Qt gives it the focus first when its window
    // is active, and gives nothing when it is not; either way the control is
    // entered once.
    void FocusOnPress();

    // The control that a widget (or one of its inner widgets) belongs to.
    static TWinControl* FromWidget(QWidget* widget);

private:
    std::int32_t m_style = WS_CHILD | WS_VISIBLE;
};
