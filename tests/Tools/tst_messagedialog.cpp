#include "Tools/messagedialog.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using TestSupport::screenshotPath;

namespace {

QPushButton* button(MessageDialog& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

QTimer* autoCloseTimer(MessageDialog& dialog)
{
    return dialog.findChild<QTimer*>();
}

} // namespace

class TestMessageDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    // x of each button (-1 hidden), its text and the code it returns. Each dialog was a
    // type-3 dialog first, so nothing of an earlier layout may remain.
    void buttonsOfEachType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("codes");
        const QString none;
        QTest::newRow("0 OK") << 0 << QList<int>{-1, 165, -1} << QStringList{none, "OK", none}
                              << QList<int>{-1, 0, -1};
        QTest::newRow("1 OK Cancel") << 1 << QList<int>{-1, 85, 245} << QStringList{none, "OK", "Cancel"}
                                     << QList<int>{-1, 0, 1};
        QTest::newRow("2 Yes No") << 2 << QList<int>{-1, 85, 245} << QStringList{none, "Yes", "No"}
                                  << QList<int>{-1, 2, 3};
        QTest::newRow("3 Yes No Cancel") << 3 << QList<int>{5, 165, 325} << QStringList{"Yes", "No", "Cancel"}
                                         << QList<int>{2, 3, 1};
        QTest::newRow("7 falls back to OK") << 7 << QList<int>{-1, 165, -1} << QStringList{none, "OK", none}
                                            << QList<int>{-1, 0, -1};
        QTest::newRow("-1 falls back to OK") << -1 << QList<int>{-1, 165, -1} << QStringList{none, "OK", none}
                                             << QList<int>{-1, 0, -1};
    }
    void buttonsOfEachType()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, xs);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, codes);
        const char* names[] = {"butLeft", "butMiddle", "butRight"};
        for (int i = 0; i < 3; ++i) {
            MessageDialog dialog;
            dialog.setDialogType(3);
            dialog.setDialogType(type);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QPushButton* b = button(dialog, names[i]);
            QVERIFY(b);
            if (xs.at(i) < 0) {
                QVERIFY2(!b->isVisible(), names[i]);
                continue;
            }
            QVERIFY2(b->isVisible(), names[i]);
            QCOMPARE(b->geometry(), QRect(xs.at(i), 212, 150, 50));
            QCOMPARE(b->text(), texts.at(i));
            QCOMPARE(dialog.getPressedButton(), -1);
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(dialog.getPressedButton(), codes.at(i));
            QVERIFY(!dialog.isVisible());
        }
    }

    void escapeActsOnReleaseInEveryType_data()
    {
        QTest::addColumn<int>("type");
        for (int type : {0, 1, 2, 3})
            QTest::newRow(qPrintable(QString::number(type))) << type;
    }
    void escapeActsOnReleaseInEveryType()
    {
        QFETCH(int, type);
        MessageDialog dialog;
        dialog.setDialogType(type);
        int result = -99;
        bool stillOpenAfterPress = false;
        QTimer::singleShot(0, &dialog, [&] {
            TestSupport::holdEscape(&dialog, [&] {
                stillOpenAfterPress = dialog.isVisible() && dialog.getPressedButton() == -1;
            });
        });
        QTimer::singleShot(3000, &dialog, &QDialog::reject); // never hang
        result = dialog.exec();
        QVERIFY(stillOpenAfterPress);
        QCOMPARE(result, 0);
        QCOMPARE(dialog.getPressedButton(), 1);
    }

    void returnAndEnterPressNoButton_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("focused");
        QTest::newRow("OK") << 0 << QByteArray("butMiddle");
        QTest::newRow("OK Cancel, on Cancel") << 1 << QByteArray("butRight");
        QTest::newRow("Yes No Cancel, on Yes") << 3 << QByteArray("butLeft");
    }
    void returnAndEnterPressNoButton()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, focused);
        MessageDialog dialog;
        dialog.setDialogType(type);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QPushButton* b = button(dialog, focused.constData());
        b->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(b->hasFocus(), 1000);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(b, key);
            QTest::keyClick(&dialog, key);
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.getPressedButton(), -1);
    }

    void closedWithoutButtonGivesMinusOne()
    {
        MessageDialog dialog;
        dialog.setDialogType(3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.close();
        QCOMPARE(dialog.getPressedButton(), -1);
    }

    void autoCloseRange_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("stored");
        QTest::newRow("0 off") << 0 << -1;
        QTest::newRow("negative off") << -5 << -1;
        QTest::newRow("1 s") << 1 << 1;
        QTest::newRow("one minute") << 60 << 60;
        QTest::newRow("86399 s, longest") << 86399 << 86399;
        QTest::newRow("86400 s off") << 86400 << -1;
    }
    void autoCloseRange()
    {
        QFETCH(int, seconds);
        QFETCH(int, stored);
        MessageDialog dialog;
        QCOMPARE(dialog.getAutoCloseTimeout(), -1);
        // A running time-out is switched off by an out-of-range value.
        dialog.setAutoCloseTimeout(30);
        dialog.setAutoCloseTimeout(seconds);
        QCOMPARE(dialog.getAutoCloseTimeout(), stored);
        QTimer* timer = autoCloseTimer(dialog);
        QVERIFY(timer);
        QCOMPARE(timer->isActive(), stored > 0);
        if (stored > 0)
            QCOMPARE(timer->interval(), stored * 1000);
    }

    void autoCloseEndsExecWithCode4()
    {
        MessageDialog dialog;
        dialog.setDialogType(1);
        dialog.setAutoCloseTimeout(1);
        QTimer::singleShot(TestSupport::timeBound(5000), &dialog, &QDialog::reject); // never hang
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(dialog.getPressedButton(), 4);
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(clock.elapsed() < TestSupport::timeBound(4000));
    }

    void buttonStopsAutoClose()
    {
        MessageDialog dialog;
        dialog.setDialogType(2);
        dialog.setAutoCloseTimeout(86399);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(button(dialog, "butRight"), Qt::LeftButton);
        QCOMPARE(dialog.getPressedButton(), 3);
        QVERIFY(!autoCloseTimer(dialog)->isActive());
    }

    void icons_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("0 information") << 0 << "Information";
        QTest::newRow("1 warning") << 1 << "Warning";
        QTest::newRow("2 error") << 2 << "Error";
        QTest::newRow("3 question") << 3 << "Question";
        QTest::newRow("4 falls back to information") << 4 << "Information";
        QTest::newRow("-1 falls back to information") << -1 << "Information";
    }
    void icons()
    {
        QFETCH(int, code);
        QFETCH(QString, file);
        MessageDialog dialog;
        QLabel* icon = dialog.findChild<QLabel*>(QStringLiteral("labelIcon"));
        icon->setText(QStringLiteral("x"));
        dialog.setIcon(code);
        const QString path = QStringLiteral(":/Resources/Icons/Tools/Messagedialog/%1.png").arg(file);
        QCOMPARE(icon->styleSheet(), QStringLiteral("image: url(%1);").arg(path));
        QVERIFY(icon->text().isEmpty());
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }

    // Renders the dialogs as the device shows them, for a look by eye.
    void screenshots_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("info");
        QTest::newRow("type 0") << 0 << 1 << QStringLiteral("Warning")
                                << QStringLiteral("Only a few measurements can be stored.\n(87 / 100)");
        QTest::newRow("type 3") << 3 << 3 << QStringLiteral("Remark")
                                << QStringLiteral("A measurement with this name exists already. "
                                                  "Do you want to overwrite it with the new measurement?");
    }
    void screenshots()
    {
        QFETCH(int, type);
        QFETCH(int, icon);
        QFETCH(QString, headline);
        QFETCH(QString, info);
        QVERIFY(TestSupport::useDeviceLook());
        {
            MessageDialog dialog;
            dialog.setIcon(icon);
            dialog.setHeadline(headline);
            dialog.setDialogType(type);
            dialog.setInfotext(info);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            const QImage image = dialog.grab().toImage();
            QCOMPARE(image.size(), QSize(480, 272));
            QVERIFY(image.save(screenshotPath(QStringLiteral("messagedialog_type%1.png").arg(type))));
            // Every text fits its place.
            QLabel* infoLabel = dialog.findChild<QLabel*>(QStringLiteral("labelInfotext"));
            QVERIFY(infoLabel->heightForWidth(infoLabel->width()) <= infoLabel->height());
            for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
                if (b->isVisible())
                    QVERIFY(b->fontMetrics().horizontalAdvance(b->text()) < b->width() - 20);
            }
        }
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
