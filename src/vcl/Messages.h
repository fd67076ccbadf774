#pragma once
// The non-client window messages a form handles, and the hit-test codes
// that name the parts of its frame.

constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTBORDER = 18;
constexpr int HTCLOSE = 20;

constexpr unsigned WM_NCHITTEST = 0x0084;
constexpr unsigned WM_NCLBUTTONDBLCLK = 0x00A3;

// Which part of the window lies under a screen position; the handler sets Result.
struct TWMNCHitTest {
    unsigned Msg = WM_NCHITTEST;
    int XPos = 0;
    int YPos = 0;
    int Result = HTNOWHERE;
};

// A left double click in the frame or the title bar.
struct TWMNCLButtonDblClk {
    unsigned Msg = WM_NCLBUTTONDBLCLK;
    int HitTest = HTNOWHERE;
    int XCursor = 0;
    int YCursor = 0;
    int Result = 0;
};
