#include <QTest>
class tst_mainwindow : public QObject { Q_OBJECT private slots: void placeholder() { QVERIFY(true); } };
QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
