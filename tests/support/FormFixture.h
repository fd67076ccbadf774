#pragma once
// Creates the real main window, shown offscreen, and drives it as a user would.
#include "DialogRecorder.h"
#include "Unit1.h"

#include <QStringList>

class QListView;

class FormFixture {
public:
    FormFixture();
    ~FormFixture();

    DialogRecorder dialogs;

    // Types the text key by key into a field, then presses Enter.
    static void type(TMemo* field, const QString& text);
    static void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types minutes and seconds as the user would, each ended with Enter.
    void enterTrack(const QString& minutes, const QString& seconds);
    static void clickRow(TListBox* list, int row);

    // The chooser, through the window system's routing of pop-up events.
    static void pressChooser();
    static void clickItem(int row);
    static QListView* dropDownView();

    static QStringList items(const TStrings* strings);
};
