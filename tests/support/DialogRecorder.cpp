#include "DialogRecorder.h"

DialogRecorder::DialogRecorder()
{
    SetDialogPresenter(this);
}

DialogRecorder::~DialogRecorder()
{
    SetDialogPresenter(nullptr);
}

void DialogRecorder::Beep()
{
    events << QStringLiteral("beep");
}

void DialogRecorder::ShowMessage(const QString& text)
{
    events << QStringLiteral("message: ") + text;
    if (whileOpen)
        whileOpen();
}

void DialogRecorder::ShowError(const QString& text)
{
    events << QStringLiteral("error: ") + text;
    if (whileOpen)
        whileOpen();
}
