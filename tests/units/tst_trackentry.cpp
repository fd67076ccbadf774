#include <QTest>
class tst_trackentry : public QObject { Q_OBJECT private slots: void placeholder() { QVERIFY(true); } };
QTEST_MAIN(tst_trackentry)
#include "tst_trackentry.moc"
