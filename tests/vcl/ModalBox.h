#pragma once
// Closes the next real modal box from inside its own event loop, and notes
// what it showed, so a test can check it once the box has returned.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

struct SeenBox {
    bool found = false;
    bool isMessageBox = false;
    bool clickedOk = false;
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // The looking ends when this is destroyed, box or no box.
    QObject lookout;
};

// Looks for the modal box on each turn of the event loop, a bounded number of
// times; the box is closed whatever it looks like, so the test never hangs on it.
inline void closeNextModalBox(SeenBox& seen, int turnsLeft = 500)
{
    QTimer::singleShot(0, &seen.lookout, [&seen, turnsLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (turnsLeft > 0)
                closeNextModalBox(seen, turnsLeft - 1);
            return;
        }
        seen.found = true;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seen.isMessageBox = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        QAbstractButton* ok = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == QStringLiteral("OK"))
                ok = button;
        }
        if (ok) {
            ok->click();
            seen.clickedOk = true;
        } else {
            box->reject();
        }
    });
}
