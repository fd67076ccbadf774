#pragma once
// A flat multi-line edit field; the program uses it for two-digit fields.
#include "Controls.h"

#include <QPlainTextEdit>

class TMemo : public QPlainTextEdit, public TWinControl {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent);

    QString Text() const { return toPlainText(); }
    void SetText(const QString& text) { setPlainText(text); }
    void Clear() { clear(); }
    void SelectAll() { selectAll(); }

    // Most characters the user can type or paste in; 0 for no limit.
    int MaxLength = 0;
    // Off: Enter never puts a line break into the text.
    bool WantReturns = true;
    // With the window style ES_NUMBER the field refuses typed characters
    // other than 0 to 9; pasted text is not filtered.
    bool NumbersOnly() const { return WindowStyle() & ES_NUMBER; }

    // Every key is seen by OnKeyDown first; a key that types a character is
    // then seen by OnKeyPress. A handler that sets the key to 0 consumes it.
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool refusesTyped(QChar c) const;
    int room() const;
};

// Virtual-key codes as the key handlers receive them.
constexpr Word VK_BACK = 8;
constexpr Word VK_TAB = 9;
constexpr Word VK_RETURN = 13;
constexpr Word VK_ESCAPE = 27;
constexpr Word VK_DELETE = 46;

Word VirtualKeyCode(int qtKey);
