// What assistive technology finds in the main window.
#include "FormFixture.h"

#include <QAccessible>
#include <QTest>

class tst_Accessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }
    void controls_data();
    void controls();
    void listRows();
    void chooserAsComboBox();
    void frameButtons();
    void storesNotExposed();

private:
    std::unique_ptr<FormFixture> f;
};

namespace {

// Every interface below the window, depth first.
QList<QAccessibleInterface*> tree(QAccessibleInterface* root)
{
    QList<QAccessibleInterface*> out;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child)
            continue;
        out << child << tree(child);
    }
    return out;
}

QAccessibleInterface* findByName(const QString& name)
{
    for (QAccessibleInterface* node : tree(QAccessible::queryAccessibleInterface(Form1)))
        if (node->text(QAccessible::Name) == name)
            return node;
    return nullptr;
}

} // namespace

void tst_Accessibility::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::newRow("minutes") << "分" << int(QAccessible::EditableText);
    QTest::newRow("seconds") << "秒" << int(QAccessible::EditableText);
    QTest::newRow("track list") << "曲リスト" << int(QAccessible::List);
    QTest::newRow("result list") << "組み合わせ一覧" << int(QAccessible::List);
    QTest::newRow("chooser") << "選曲数" << int(QAccessible::ComboBox);
    QTest::newRow("minimize") << "最小化" << int(QAccessible::Button);
    QTest::newRow("maximize") << "最大化" << int(QAccessible::Button);
    QTest::newRow("close") << "閉じる" << int(QAccessible::Button);
    QTest::newRow("window menu") << "ウィンドウメニュー" << int(QAccessible::ButtonMenu);
}

void tst_Accessibility::controls()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QAccessibleInterface* node = findByName(name);
    QVERIFY2(node, qPrintable(name));
    QCOMPARE(int(node->role()), role);
    QVERIFY(!node->state().invisible);
    QVERIFY(node->rect().isValid());
}

void tst_Accessibility::listRows()
{
    f->enterTrack("3", "20");
    f->enterTrack("4", "5");
    QAccessibleInterface* list = findByName("曲リスト");
    QVERIFY(list);
    QAccessibleTableInterface* table = list->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral(" 2 _ 04:05"));
}

void tst_Accessibility::chooserAsComboBox()
{
    f->enterTrack("3", "20");
    f->enterTrack("4", "5");
    FormFixture::pressChooser();
    FormFixture::clickItem(1);
    QAccessibleInterface* chooser = findByName("選曲数");
    QVERIFY(chooser);
    QCOMPARE(chooser->text(QAccessible::Value), QStringLiteral("2"));
    QCOMPARE(chooser->childCount(), 1);
    QAccessibleInterface* items = chooser->child(0);
    QCOMPARE(items->role(), QAccessible::List);
    QCOMPARE(items->tableInterface()->rowCount(), 2);
    QCOMPARE(items->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("1"));

    chooser->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(Form1->FlatComboBox1->DroppedDown());
    Form1->FlatComboBox1->DropDownWindow()->close();
}

void tst_Accessibility::frameButtons()
{
    QAccessibleInterface* maximize = findByName("最大化");
    QVERIFY(maximize->state().disabled);
    QVERIFY(maximize->actionInterface()->actionNames().isEmpty());
    QAccessibleInterface* close = findByName("閉じる");
    QCOMPARE(Form1->NonClientHitTest(close->rect().center()), HTCLOSE);
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!Form1->isVisible());
}

void tst_Accessibility::storesNotExposed()
{
    f->enterTrack("3", "20");
    QVERIFY(findByName("入力(mm:ss)"));
    QVERIFY(findByName("出力"));
    for (QAccessibleInterface* node : tree(QAccessible::queryAccessibleInterface(Form1))) {
        QVERIFY(node->object() != Form1->ListBox2);
        QVERIFY(node->object() != Form1->ListBox3);
    }
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
