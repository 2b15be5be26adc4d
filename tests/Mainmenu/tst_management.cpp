#include "Mainmenu/management.h"
#include "Management/gpsmonitor.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <functional>

using TestSupport::button;
using TestSupport::DeviceRoot;
using TestSupport::tapEscape;

namespace {

// Marks every text of the management screen's context, so a test can tell
// catalogue texts from texts set any other way.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "Management") != 0)
            return QString();
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// Opens the management screen the way the user does: from the main page.
Management* openManagement(MainMenu& menu)
{
    button(&menu, "butManagement")->click();
    return qobject_cast<Management*>(menu.currentPage());
}

// What a button's modal dialog looked like while it ran.
struct DialogRun
{
    int seen = 0;
    QString className;
    QObject* parent = nullptr;
    QPointer<QDialog> dialog;
};

// Clicks the button and, once its dialog runs modally, closes it with the given action.
DialogRun clickAndClose(QPushButton* trigger, const std::function<void(QDialog*)>& close)
{
    DialogRun run;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&run, &close] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || run.seen++ > 0)
            return;
        run.className = QString::fromLatin1(dialog->metaObject()->className());
        run.parent = dialog->parent();
        run.dialog = dialog;
        close(dialog);
    });
    closer.start(0);
    trigger->click();
    closer.stop();
    return run;
}

void pressHome(QWidget* dialog)
{
    dialog->findChild<QPushButton*>(QStringLiteral("butMenuBack"))->click();
}

} // namespace

class TestManagement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void screenLayoutAndTexts()
    {
        DeviceRoot device;
        MainMenu menu;
        Management* screen = openManagement(menu);
        QVERIFY(screen);
        QCOMPARE(menu.getCurrentMenuLevel(), 1);
        QCOMPARE(menu.getStoredWidget(1), 4);

        const QList<QPair<const char*, QString>> texts = {
            {"butMeasurements", "Measurements"}, {"butDatatransmission", "USB <> PC"},
            {"butDeviceConfig", "QJ-5"},         {"butFirmwareupdate", "Update"},
            {"butGps", "GPS"},                   {"butSystemsettings", "Settings"},
        };
        auto* status = screen->findChild<Statusbar*>(QStringLiteral("widgetStatus"));
        QVERIFY(status);
        QCOMPARE(status->geometry(), QRect(0, 0, 480, 20));
        // Six full-size picture buttons below the status line, inside the screen, apart.
        QList<QRect> taken = {status->geometry()};
        for (const auto& entry : texts) {
            QPushButton* b = button(screen, entry.first);
            QCOMPARE(b->text(), entry.second);
            QCOMPARE(b->size(), QSize(150, 120));
            QVERIFY(QRect(0, 0, 480, 272).contains(b->geometry()));
            for (const QRect& other : taken)
                QVERIFY2(!other.intersects(b->geometry()), entry.first);
            taken.append(b->geometry());
        }

        // The texts are taken from the catalogue each time the screen is shown;
        // the data-transfer text is the same in every language.
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        menu.displayWidget(0, 0, 0);
        openManagement(menu);
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(menu.currentPage(), screen); // made once, shown again
        for (const auto& entry : texts) {
            const QString expected = qstrcmp(entry.first, "butDatatransmission") == 0
                ? entry.second : QStringLiteral("<%1>").arg(entry.second);
            QCOMPARE(button(screen, entry.first)->text(), expected);
        }
    }

    void pageButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("level");
        QTest::newRow("measurements: one level down") << "butMeasurements" << "MeasManagement" << 2;
        QTest::newRow("settings: one level down") << "butSystemsettings" << "Systemsettings" << 2;
        QTest::newRow("GPS: no history entry") << "butGps" << "GpsMonitor" << 1;
    }
    void pageButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, page);
        QFETCH(int, level);
        DeviceRoot device;
        MainMenu menu;
        Management* screen = openManagement(menu);
        QSignalSpy requests(screen, &Management::gotoWidget);
        button(screen, qPrintable(name))->click();

        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().at(2).toInt(), 0); // live variant
        QCOMPARE(QString::fromLatin1(menu.currentPage()->metaObject()->className()), page);
        QCOMPARE(menu.getCurrentMenuLevel(), level);
        QCOMPARE(menu.getStoredWidget(1), 4);
        QCOMPARE(menu.getStoredWidget(2), level == 2 ? requests.first().at(0).toInt() : 0);
    }

    void configurationDialogEndsOnTheMainPage_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("home button") << false;
        QTest::newRow("Escape") << true;
    }
    void configurationDialogEndsOnTheMainPage()
    {
        QFETCH(bool, escape);
        DeviceRoot device;
        MainMenu menu;
        Management* screen = openManagement(menu);
        menu.displayWidget(5, 1, 0); // some history below the screen ...
        menu.displayWidget(-1, 0, 0);
        QCOMPARE(menu.currentPage(), screen);
        QSignalSpy requests(screen, &Management::gotoWidget);
        TestSupport::clearLoggedMessages();

        const DialogRun run = clickAndClose(button(screen, "butDeviceConfig"), escape ? tapEscape : pressHome);
        QCOMPARE(run.seen, 1);
        QCOMPARE(run.className, QString("Configuration"));
        QCOMPARE(run.parent, screen);
        QVERIFY(run.dialog.isNull());
        QVERIFY(screen->findChildren<QDialog*>().isEmpty());

        // ... is dropped: the main page, not the screen, follows the dialog.
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first(), QVariantList({0, -1, 0}));
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
        QCOMPARE(menu.getCurrentMenuLevel(), 0);
        QVERIFY(menu.isMainMenuVisible());
        QVERIFY(TestSupport::logged("BT_TX B"));
    }

    void dialogsThatKeepTheScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("leave");
        QTest::newRow("firmware update") << "butFirmwareupdate" << "Firmwareupdate" << "butMenuCancel";
        QTest::newRow("USB data transfer") << "butDatatransmission" << "BackupDialog" << "butMenuCancel";
    }
    void dialogsThatKeepTheScreen()
    {
        QFETCH(QString, name);
        QFETCH(QString, dialog);
        QFETCH(QString, leave);
        DeviceRoot device;
        MainMenu menu;
        Management* screen = openManagement(menu);
        QSignalSpy requests(screen, &Management::gotoWidget);

        const std::function<void(QDialog*)> pressLeave = [&leave](QDialog* d) { button(d, leave)->click(); };
        for (const auto& close : {pressLeave, std::function<void(QDialog*)>(tapEscape)}) {
            const DialogRun run = clickAndClose(button(screen, qPrintable(name)), close);
            QCOMPARE(run.seen, 1);
            QCOMPARE(run.className, dialog);
            QCOMPARE(run.parent, screen);
            QVERIFY(run.dialog.isNull());
            QVERIFY(screen->findChildren<QDialog*>().isEmpty());
            QCOMPARE(requests.count(), 0);
            QCOMPARE(menu.currentPage(), screen);
            QCOMPARE(menu.getCurrentMenuLevel(), 1);
        }
    }
};

QTEST_MAIN(TestManagement)
#include "tst_management.moc"
