#include <QTest>
class tst_tracklist : public QObject { Q_OBJECT private slots: void placeholder() { QVERIFY(true); } };
QTEST_MAIN(tst_tracklist)
#include "tst_tracklist.moc"
