#pragma once
// The beep and the two message boxes the program shows.
#include <QString>

// Shows the boxes to the user. Tests put a recorder in its place.
class TDialogPresenter {
public:
    virtual ~TDialogPresenter() = default;
    virtual void Beep();
    // Modal; no icon, one "OK" button, the application title as caption,
    // centred on the screen.
    virtual void ShowMessage(const QString& text);
    // Modal; the stop icon, "OK", the application title as caption.
    virtual void ShowError(const QString& text);
};

// Replaces the presenter; nullptr brings back the one that shows real boxes.
void SetDialogPresenter(TDialogPresenter* presenter);
TDialogPresenter& DialogPresenter();

// The system's default beep (the type is accepted for its callers' sake;
// every type sounds the same here).
void MessageBeep(unsigned type);
void ShowMessage(const QString& text);
