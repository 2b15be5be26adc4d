// The note of a wait for another thread: where it stands, and that its hold of the input
// ends with the program.
#include "Tools/popupinfo.h"
#include "Tools/waitnote.h"
#include "testsupport.h"

#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QtTest>

namespace {

const char* const kEndWithinTheHold = "TK9400_END_WITHIN_THE_HOLD";

} // namespace

class TestWaitNote : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup()
    {
        QTRY_VERIFY(!WaitNote::isHoldingInput());
        TestSupport::verifyExpectedMessagesSeen();
    }

    // The note stands whole over the window the user looks at. The pop-up (favourite
    // stored, screenshot taken) is too small for it: the note stands over the window below
    // the pop-up, clear of it.
    void standsWholeOverTheWindowBelow_data()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<bool>("popup");
        QTest::newRow("main window") << false << false;
        QTest::newRow("dialog") << true << false;
        QTest::newRow("pop-up over the main window") << false << true;
        QTest::newRow("pop-up over a dialog") << true << true;
    }
    void standsWholeOverTheWindowBelow()
    {
        QFETCH(bool, dialog);
        QFETCH(bool, popup);
        QWidget screen;
        screen.setGeometry(0, 0, 480, 272);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QDialog settings(&screen); // the instrument's dialogs fill the screen too
        settings.setGeometry(0, 0, 480, 272);
        settings.setModal(true);
        if (dialog)
            settings.show();
        PopupInfo info(&screen);
        info.setModal(true);
        if (popup) {
            info.setPicture(1);
            info.show();
            QVERIFY(QTest::qWaitForWindowExposed(&info));
        }
        QWidget* below = dialog ? static_cast<QWidget*>(&settings) : &screen;

        const WaitNote note(QStringLiteral("Storing the sound.\nPlease wait ..."));
        const QLabel* shown = WaitNote::shownNote();
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(shown->window(), below);
        QCOMPARE(shown->size(), shown->sizeHint().expandedTo(QSize(300, 90)));
        const QRect onScreen(shown->mapToGlobal(QPoint(0, 0)), shown->size());
        QVERIFY(below->geometry().contains(onScreen));
        if (!popup)
            return;
        QVERIFY(!onScreen.intersects(info.geometry()));
        // What the screen shows: the window below, the pop-up over it.
        QPixmap shot = below->grab();
        QPainter(&shot).drawPixmap(below->mapFromGlobal(info.pos()), info.grab());
        const QString name = dialog ? "wait-note-pop-up-dialog.png" : "wait-note-pop-up.png";
        QVERIFY(shot.save(TestSupport::screenshotPath(name)));
        info.closeDlg();
    }

    // A program that ends while the hold of the input outlives the wait, with no window
    // shown (a probe, a test), ends cleanly: this program, started again to do so.
    void holdEndsWithTheProgram()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kEndWithinTheHold), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(TestSupport::timeBound(30000)));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kEndWithinTheHold)) {
        {
            const WaitNote note(QStringLiteral("wait"));
        }
        // The wait is over, its hold not yet.
        return WaitNote::isHoldingInput() ? 0 : 2;
    }
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWaitNote test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_waitnote.moc"
