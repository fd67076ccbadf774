#include "WinApi.h"
#include "Controls.h"
#include "Forms.h"

#include <QMenu>

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert)
{
    auto* form = dynamic_cast<TForm*>(hWnd);
    if (!form)
        return nullptr;
    if (bRevert) {
        form->ResetWindowMenu();
        return nullptr;
    }
    return form->WindowMenu();
}

BOOL DeleteMenu(HMENU hMenu, unsigned uPosition, unsigned uFlags)
{
    if (!hMenu || uFlags != MF_BYPOSITION)
        return FALSE;
    const QList<QAction*> entries = hMenu->actions();
    if (uPosition >= unsigned(entries.size()))
        return FALSE;
    QAction* entry = entries[qsizetype(uPosition)];
    hMenu->removeAction(entry);
    // An entry with a shortcut (Close, Alt+F4) keeps working from the window.
    if (entry->parent() == hMenu)
        delete entry;
    return TRUE;
}

BOOL DrawMenuBar(HWND hWnd)
{
    if (!dynamic_cast<TForm*>(hWnd))
        return FALSE;
    hWnd->update();
    return TRUE;
}

std::int32_t GetWindowLongA(HWND hWnd, int nIndex)
{
    const TWinControl* control = dynamic_cast<TWinControl*>(hWnd);
    return control && nIndex == GWL_STYLE ? control->WindowStyle() : 0;
}

std::int32_t SetWindowLongA(HWND hWnd, int nIndex, std::int32_t dwNewLong)
{
    auto* control = dynamic_cast<TWinControl*>(hWnd);
    if (!control || nIndex != GWL_STYLE)
        return 0;
    const std::int32_t previous = control->WindowStyle();
    control->SetWindowStyle(dwNewLong);
    return previous;
}
