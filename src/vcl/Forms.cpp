#include "Forms.h"
#include "Accessibility.h"
#include "Dialogs.h"
#include "Graphics.h"
#include "SysUtils.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QScreen>
#include <QShowEvent>
#include <QStyleFactory>

void TForm::FocusControl(TWinControl* control)
{
    const bool entering = control != m_activeControl;
    m_activeControl = control;
    if (!isActiveWindow() && isVisible())
        activateWindow();
    control->Widget().setFocus(Qt::OtherFocusReason);
    if (entering && control->OnEnter)
        control->OnEnter(control);
}

void TForm::followQtFocus(QWidget* now)
{
    // Tab, a click or the window's activation moved Qt's focus. Only a move to
    // another control than the active one is a move for the program.
    if (!now || now->window() != this)
        return;
    TWinControl* control = TWinControl::FromWidget(now);
    if (control && control != m_activeControl)
        Application->Dispatch([&] { FocusControl(control); });
}

TWinControl* TForm::firstTabStop() const
{
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled())
            if (TWinControl* control = TWinControl::FromWidget(w))
                return control;
    }
    return nullptr;
}

void TForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous() || m_activeControl)
        return;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    if (TWinControl* first = firstTabStop())
        Application->Dispatch([&] { FocusControl(first); });
}

namespace {
TApplication applicationInstance;
TScreen screenInstance;
} // namespace

TApplication* Application = &applicationInstance;
TScreen* Screen = &screenInstance;

void TApplication::Initialize()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallFontSubstitutes();
    InstallAccessibility();
    QApplication::setFont(MakeFont(QStringLiteral("ＭＳ Ｐゴシック"), -12));
}

QString TApplication::TitleFromPath(const QString& executablePath)
{
    const QString name = QFileInfo(executablePath).fileName().section(u'.', 0, 0);
    return name.left(1) + name.mid(1).toLower();
}

QString TApplication::Title() const
{
    return TitleFromPath(QCoreApplication::applicationFilePath());
}

void TApplication::ShowException(const std::exception& error)
{
    const auto* own = dynamic_cast<const Exception*>(&error);
    QString text = own ? own->Message() : QString::fromUtf8(error.what());
    if (!text.isEmpty() && text.back() > u'.')
        text += u'.';
    DialogPresenter().ShowError(text);
}

void TApplication::destroyWithQApplication()
{
    static bool added = false;
    if (!std::exchange(added, true))
        qAddPostRoutine([] { Application->DestroyMainForm(); });
}

int TApplication::Run()
{
    if (!m_mainForm)
        return 0;
    m_mainForm->show();
    const int result = QApplication::exec();
    m_mainForm.reset();
    return result;
}

void TScreen::SetCursor(int cursor)
{
    if (cursor == m_cursor)
        return;
    if (m_cursor != crDefault)
        QApplication::restoreOverrideCursor();
    m_cursor = cursor;
    if (m_cursor == crHourGlass)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else if (m_cursor != crDefault)
        QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}
