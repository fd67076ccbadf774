#include "Accessibility.h"
#include "FlatComboBox.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "WindowFrame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QListView>
#include <QPointer>

namespace {

// The chooser: a combo box whose value is the number on its face and whose
// one child is its drop-down list.
class TComboBoxAccessible : public QAccessibleWidget {
public:
    explicit TComboBoxAccessible(TFlatComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    TFlatComboBox* combo() const { return static_cast<TFlatComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->Text();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->DropDownWindow()->findChild<QListView*>())
                          : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == combo()->DropDownWindow()->findChild<QListView*>() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            combo()->DropDown();
    }
};

// One of the parts the frame draws: the window-menu icon and the three buttons.
class TFramePartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TFramePartAccessible(TForm* form, int hitTest)
        : m_form(form)
        , m_hitTest(hitTest)
    {
    }

    bool isValid() const override { return m_form; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_form ? m_form->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_form.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        switch (m_hitTest) {
        case HTSYSMENU: return QStringLiteral("ウィンドウメニュー");
        case HTMINBUTTON: return QStringLiteral("最小化");
        case HTMAXBUTTON: return QStringLiteral("最大化");
        default: return QStringLiteral("閉じる");
        }
    }
    QAccessible::Role role() const override
    {
        return m_hitTest == HTSYSMENU ? QAccessible::ButtonMenu : QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.disabled = m_hitTest == HTMAXBUTTON;
        s.invisible = !m_form || !m_form->isVisible();
        return s;
    }
    QRect rect() const override
    {
        if (!m_form)
            return {};
        const TWindowFrame frame(m_form->size());
        const QRect local = m_hitTest == HTSYSMENU ? frame.IconRect()
            : m_hitTest == HTMINBUTTON             ? frame.MinimizeRect()
            : m_hitTest == HTMAXBUTTON             ? frame.MaximizeRect()
                                                   : frame.CloseRect();
        return QRect(m_form->mapToGlobal(local.topLeft()), local.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override
    {
        return m_hitTest == HTMAXBUTTON ? QStringList() : QStringList {pressAction()};
    }
    void doAction(const QString& action) override
    {
        if (!m_form || action != pressAction())
            return;
        if (m_hitTest == HTSYSMENU)
            m_form->PopupWindowMenu();
        else if (m_hitTest == HTMINBUTTON)
            m_form->showMinimized();
        else if (m_hitTest == HTCLOSE)
            m_form->close();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TForm> m_form;
    int m_hitTest;
};

// The form: its widgets, then the parts its frame draws.
class TFormAccessible : public QAccessibleWidget {
public:
    explicit TFormAccessible(TForm* form)
        : QAccessibleWidget(form, QAccessible::Window)
    {
        for (int part : {HTSYSMENU, HTMINBUTTON, HTMAXBUTTON, HTCLOSE})
            m_parts.push_back(QAccessible::registerAccessibleInterface(new TFramePartAccessible(form, part)));
    }
    ~TFormAccessible() override
    {
        for (QAccessible::Id id : m_parts)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + int(m_parts.size()); }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        return index - widgets < int(m_parts.size()) ? QAccessible::accessibleInterface(m_parts[size_t(index - widgets)])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        for (size_t i = 0; i < m_parts.size(); ++i)
            if (QAccessible::accessibleInterface(m_parts[i]) == child)
                return widgets + int(i);
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    std::vector<QAccessible::Id> m_parts;
};

// A group box exposes only the controls it shows: the program keeps data in
// hidden list boxes, which are no part of the user interface.
class TGroupAccessible : public QAccessibleWidget {
public:
    explicit TGroupAccessible(TGroupBox* group)
        : QAccessibleWidget(group, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<TGroupBox*>(widget())->title();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QWidgetList children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QWidgetList shown() const
    {
        QWidgetList out;
        for (QObject* object : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(object); w && !w->isWindow() && !w->isHidden())
                out << w;
        return out;
    }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* group = dynamic_cast<TGroupBox*>(object))
        return new TGroupAccessible(group);
    if (auto* combo = dynamic_cast<TFlatComboBox*>(object))
        return new TComboBoxAccessible(combo);
    if (auto* form = dynamic_cast<TForm*>(object))
        return new TFormAccessible(form);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(factory);
}
