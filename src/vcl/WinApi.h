#pragma once
// Stand-ins for the few operating-system window calls the program makes. They
// act on the program's own frame (its window menu) and its own fields.
#include <QtGlobal>
#include <cstdint>

class QMenu;
class QWidget;

using HWND = QWidget*;
using HMENU = QMenu*;
using BOOL = int;
constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

constexpr unsigned MF_BYCOMMAND = 0x0000;
constexpr unsigned MF_BYPOSITION = 0x0400;
constexpr int GWL_STYLE = -16;
constexpr std::int32_t WS_VISIBLE = 0x10000000;
constexpr std::int32_t WS_CHILD = 0x40000000;
// An edit field that refuses typed characters other than the digits 0 to 9.
constexpr std::int32_t ES_NUMBER = 0x2000;

// The window menu of a form. With bRevert the menu is set back to the
// standard one and nullptr is returned.
HMENU GetSystemMenu(HWND hWnd, BOOL bRevert);
// Removes an entry; only MF_BYPOSITION is supported. FALSE when there is none.
BOOL DeleteMenu(HMENU hMenu, unsigned uPosition, unsigned uFlags);
// Redraws the frame, where the window menu's state shows.
BOOL DrawMenuBar(HWND hWnd);
std::int32_t GetWindowLongA(HWND hWnd, int nIndex);
// Returns the previous value; 0 for a window or index it does not know.
std::int32_t SetWindowLongA(HWND hWnd, int nIndex, std::int32_t dwNewLong);
