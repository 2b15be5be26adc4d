#include "Tools/popupinfo.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QtTest>

class TestPopupInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void pictures_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("picture");
        QTest::newRow("1 favourite") << 1 << "Favourite_ws_40px.png";
        QTest::newRow("2 screenshot") << 2 << "ScreenshotCamera_ws_40px.png";
        QTest::newRow("3 serial console") << 3 << "Bug_ws_40px.png";
        QTest::newRow("0 favourite") << 0 << "Favourite_ws_40px.png";
        QTest::newRow("4 favourite") << 4 << "Favourite_ws_40px.png";
        QTest::newRow("-1 favourite") << -1 << "Favourite_ws_40px.png";
    }
    void pictures()
    {
        QFETCH(int, code);
        QFETCH(QString, picture);
        PopupInfo popup;
        QLabel* label = popup.findChild<QLabel*>(QStringLiteral("label"));
        QVERIFY(label);
        // Another picture first, so a code that falls back really sets the favourite.
        popup.setPicture(code == 2 ? 3 : 2);
        popup.setPicture(code);
        const QString path = QStringLiteral(":/Resources/Icons/Management/Systemsettings/") + picture;
        QCOMPARE(label->styleSheet(), QStringLiteral("QLabel{background-image: url(%1)};").arg(path));
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }

    void centredSquareThatStaysPut()
    {
        QWidget screen;
        screen.resize(480, 272);
        screen.show();
        PopupInfo popup(&screen);
        popup.setPicture(1);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        QCOMPARE(popup.geometry(), QRect(215, 111, 50, 50));
        QCOMPARE(popup.findChild<QLabel*>(QStringLiteral("label"))->geometry(), QRect(5, 5, 40, 40));

        // A black square with the picture inside its 5 px frame.
        for (int code : {1, 2, 3}) {
            popup.setPicture(code);
            const QImage image = popup.grab().toImage();
            QCOMPARE(image.size(), QSize(50, 50));
            int lit = 0;
            for (int y = 0; y < 50; ++y) {
                for (int x = 0; x < 50; ++x) {
                    const bool inside = x >= 5 && x < 45 && y >= 5 && y < 45;
                    const bool black = qGray(image.pixel(x, y)) < 16;
                    if (!inside)
                        QVERIFY(black);
                    else if (!black)
                        ++lit;
                }
            }
            QVERIFY2(lit > 100, qPrintable(QString::number(lit)));
        }
        popup.closeDlg();
    }

    void timerStartsWithThePicture()
    {
        PopupInfo popup;
        QTimer* timer = popup.findChild<QTimer*>();
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        popup.setPicture(2);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }

    // The pop-up always lasts its second: Escape, Return and the front keys do not end it.
    void keysDoNotShortenIt()
    {
        // The show timer starts with the picture: measure from before that, not from exec().
        QElapsedTimer clock;
        clock.start();
        PopupInfo popup;
        popup.setPicture(3);
        bool openAfterKeys = false;
        QTimer::singleShot(100, &popup, [&] {
            QWidget* target = popup.focusWidget() ? popup.focusWidget() : &popup;
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Up,
                                Qt::Key_F10}) {
                QTest::keyClick(target, key);
                QTest::keyClick(&popup, key);
            }
            openAfterKeys = popup.isVisible();
        });
        QTimer::singleShot(TestSupport::timeBound(5000), &popup, &QDialog::reject); // never hang
        QCOMPARE(popup.exec(), int(QDialog::Accepted));
        QVERIFY(openAfterKeys);
        QVERIFY2(clock.elapsed() >= 950, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(clock.elapsed() < TestSupport::timeBound(4000));
        QVERIFY(!popup.findChild<QTimer*>()->isActive());
    }
};

QTEST_MAIN(TestPopupInfo)
#include "tst_popupinfo.moc"
