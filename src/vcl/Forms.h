#pragma once
// The form, the application object and the screen object.
#include "Controls.h"
#include "Messages.h"

#include <QWidget>
#include <exception>
#include <memory>
#include <utility>

class QMenu;
class QTimer;

// A top-level window whose controls sit in its client area.
//
// The form keeps its active control itself: Qt's own focus does not always
// follow (an inactive window gets no focus events), and the program needs
// OnEnter to run exactly once per move, inside the call that moves the focus.
//
// The form draws its own frame (see TWindowFrame), since desktop window
// managers keep theirs to themselves: each pointer position over it is
// hit-tested through WMNCHitTest, and the answer decides the pointer shape
// and what a press does; double clicks go to WMNCLButtonDblClk.
class TForm : public QWidget, public TObject {
    Q_OBJECT
public:
    TForm(int outerWidth, int outerHeight);
    ~TForm() override;

    HWND Handle() { return this; }

    // The parent of the form's controls.
    QWidget* Client() const { return m_client; }
    int ClientWidth() const;
    int ClientHeight() const;
    // Changes the outer height by the same amount.
    void SetClientHeight(int height);

    QMenu* WindowMenu() const { return m_windowMenu; }
    void ResetWindowMenu();
    void PopupWindowMenu();

    TWinControl* ActiveControl() const { return m_activeControl; }
    // Makes `control` the active control and runs its OnEnter, unless it is
    // the active control already; Qt's focus follows in both cases.
    void FocusControl(TWinControl* control);

    TNotifyEvent OnCreate;
    void DoCreate();

protected:
    // The default processing: the frame's own answer for the position.
    virtual void WMNCHitTest(TWMNCHitTest& Message);
    // The default processing: a double click on the window's icon closes it.
    virtual void WMNCLButtonDblClk(TWMNCLButtonDblClk& Message);

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

public:
    // The hit-test code the form answers for a screen position.
    int NonClientHitTest(QPoint globalPosition);

private:
    void followQtFocus(QWidget* now);
    TWinControl* firstTabStop() const;
    void startDrag(int hitTest, QPoint globalPosition, bool byPress);
    void endDrag();

    QWidget* m_client;
    TWinControl* m_activeControl = nullptr;
    QMetaObject::Connection m_focusTracking;
    QMenu* m_windowMenu;
    QAction* m_closeAction;
    QTimer* m_windowMenuTimer;
    // A move or resize the form does itself where the system cannot.
    int m_dragHitTest = HTNOWHERE;
    bool m_dragByPress = false;
    QPoint m_dragStart;
    QRect m_dragGeometry;
    int m_pressedButton = HTNOWHERE;
};

class TApplication {
public:
    // Sets up the toolkit once the QApplication exists: style and fonts.
    void Initialize();

    // The executable's file name without its folder, cut before the first
    // ".", every letter after the first in lower case.
    QString Title() const;
    static QString TitleFromPath(const QString& executablePath);

    // The error box for an error that no handler caught.
    void ShowException(const std::exception& error);

    // Runs an event handler for the toolkit. An error ends the handler and
    // is shown in the error box; it never reaches Qt's event loop. Returns
    // whether the handler ran to its end.
    template <class Handler>
    bool Dispatch(Handler&& handler)
    {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const std::exception& error) {
            ShowException(error);
            return false;
        }
    }

    // Creates the main form, stores it in `reference` and runs its OnCreate.
    template <class Form>
    void CreateForm(Form*& reference)
    {
        auto form = std::make_unique<Form>();
        reference = form.get();
        Dispatch([&] { reference->DoCreate(); });
        m_mainForm = std::move(form);
        destroyWithQApplication();
    }
    TForm* MainForm() const { return m_mainForm.get(); }
    void DestroyMainForm() { m_mainForm.reset(); }

    // Shows the main form and runs the event loop until it is closed.
    int Run();

private:
    // A main form still alive when the QApplication goes is destroyed then,
    // not later with this object, when Qt's own globals are gone.
    void destroyWithQApplication();

    std::unique_ptr<TForm> m_mainForm;
};

extern TApplication* Application;

constexpr int crDefault = 0;
constexpr int crHourGlass = -11;

class TScreen {
public:
    int Cursor() const { return m_cursor; }
    // Sets the pointer shape for the whole program.
    void SetCursor(int cursor);

private:
    int m_cursor = crDefault;
};

extern TScreen* Screen;
