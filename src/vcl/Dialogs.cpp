#include "Dialogs.h"
#include "Forms.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {

TDialogPresenter realPresenter;
TDialogPresenter* currentPresenter = &realPresenter;

void runBox(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box;
    box.setIcon(icon);
    box.setWindowTitle(Application->Title());
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
}

} // namespace

void TDialogPresenter::Beep()
{
    QApplication::beep();
}

void TDialogPresenter::ShowMessage(const QString& text)
{
    runBox(QMessageBox::NoIcon, text);
}

void TDialogPresenter::ShowError(const QString& text)
{
    runBox(QMessageBox::Critical, text);
}

void SetDialogPresenter(TDialogPresenter* presenter)
{
    currentPresenter = presenter ? presenter : &realPresenter;
}

TDialogPresenter& DialogPresenter()
{
    return *currentPresenter;
}

void MessageBeep(unsigned)
{
    DialogPresenter().Beep();
}

void ShowMessage(const QString& text)
{
    DialogPresenter().ShowMessage(text);
}
