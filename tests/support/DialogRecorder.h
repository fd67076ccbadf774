#pragma once
// Stands in for the real message boxes and records what the user would
// have heard and seen, in order.
#include "Dialogs.h"

#include <QStringList>
#include <functional>

class DialogRecorder : public TDialogPresenter {
public:
    DialogRecorder();
    ~DialogRecorder() override;

    void Beep() override;
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;

    // "beep", "message: <text>" and "error: <text>", in the order shown.
    QStringList events;
    // Runs while a box is "open", as code would run inside its modal loop.
    std::function<void()> whileOpen;
};
