#include "FormFixture.h"

#include <QListView>
#include <QTest>
#include <QWindow>

FormFixture::FormFixture()
{
    // Each fixture is a fresh start of the program.
    RolledUp = 0;
    SavedClientHeight = 0;
    Application->CreateForm(Form1);
    Form1->show();
    if (!QTest::qWaitForWindowExposed(Form1))
        qFatal("the main window was never shown");
}

FormFixture::~FormFixture()
{
    Application->DestroyMainForm();
    Form1 = nullptr;
}

void FormFixture::type(TMemo* field, const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(field, c.toLatin1());
}

void FormFixture::press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(widget, key, modifiers);
}

void FormFixture::enterTrack(const QString& minutes, const QString& seconds)
{
    type(Form1->Memo1, minutes);
    press(Form1->Memo1, Qt::Key_Return);
    type(Form1->Memo2, seconds);
    press(Form1->Memo2, Qt::Key_Return);
}

void FormFixture::clickRow(TListBox* list, int row)
{
    const QRect rect = list->visualRect(list->Items->index(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void FormFixture::pressChooser()
{
    const QPoint face = Form1->FlatComboBox1->mapTo(Form1, QPoint(10, 9));
    QTest::mousePress(Form1->windowHandle(), Qt::LeftButton, {}, face);
    QTest::mouseRelease(Form1->windowHandle(), Qt::LeftButton, {}, face);
}

QListView* FormFixture::dropDownView()
{
    return Form1->FlatComboBox1->DropDownWindow()->findChild<QListView*>();
}

void FormFixture::clickItem(int row)
{
    QListView* view = dropDownView();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QWidget* popup = Form1->FlatComboBox1->DropDownWindow();
    const QPoint inPopup = view->viewport()->mapTo(popup, view->visualRect(index).center());
    QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, inPopup);
}

QStringList FormFixture::items(const TStrings* strings)
{
    QStringList out;
    for (int i = 0; i < strings->Count(); ++i)
        out << strings->Strings(i);
    return out;
}
