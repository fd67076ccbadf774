#include <QTest>
class tst_listcombinations : public QObject { Q_OBJECT private slots: void placeholder() { QVERIFY(true); } };
QTEST_MAIN(tst_listcombinations)
#include "tst_listcombinations.moc"
