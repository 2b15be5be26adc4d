// The list of stored measurements and its edit dialog in the main window, on a simulated
// device's store: order and pages, the stored views, renames and deletes that stay inside
// the store, and their failures.
#include "Mainmenu/measuringpage.h"
#include "Management/measmanagement.h"
#include "Management/measmanagementedit.h"
#include "Tools/messagedialog.h"
#include "Tools/settingsbutton.h"
#include "dialogdriver.h"
#include "failingcard.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using TestSupport::button;

namespace {

const QString kRoot = "/media/tk9400/meas";
const QString kMainStreet = "LE_20200102_030405_Main street";
const QString kLong = "LE_20200101_000000_" + QString(118, QChar(0x00e4)); // 255 bytes of UTF-8
const QString kInfo = "[Measurementinfo]\nMeasurementtype=Levelmeasurement\nMeasurementname=%1\n"
                      "Measurementdate=02.01.2020\n[Levels]\nLevel=12.500\nFrequency=440\n"
                      "[Gains]\nMicrophone-Gain=3\n";

enum Kind { Full, Bare, CutInfo, File, Link };

struct Entry
{
    QString name;
    Kind kind;
};

// Newest first, as the list shows them; "LE_file" and "LE_" share their time, so the name
// decides.
QList<Entry> seededEntries()
{
    QList<Entry> entries = {{kMainStreet, Full},
                            {"le_20200101_000000_low", Bare},
                            {"LE_", Bare},
                            {"LE_file", File},
                            {"LE_2020133x_030405_bad", Full},
                            {kLong, Full},
                            {"PL_20200101_000000_noinfo", Bare},
                            {"LT_20200101_000000_cut", CutInfo},
                            {"LE_20200101_000000_link", Link}};
    const char* const prefixes[] = {"LE", "PP", "PL", "H2", "LT"};
    for (int k = 0; k < 12; ++k)
        entries.append({QString("%1_202403%2_120000_Point %3").arg(prefixes[k % 5]).arg(k + 1, 2, 10, QChar('0')).arg(k),
                        Full});
    return entries;
}

// A plain instrument on a fresh device; the store's entries get the times the test gives.
struct Instrument
{
    Instrument() { menu.reset(new MainMenu); }
    ~Instrument()
    {
        menu.reset();
        // The forced failures pin entries; the temporary tree must go all the same,
        // wherever they went.
        if (pinned) {
            QDirIterator it(root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                TestSupport::setImmutable(path, false);
                chmod(QFile::encodeName(path).constData(), 0755);
            }
            TestSupport::setImmutable(root(), false);
            chmod(QFile::encodeName(root()).constData(), 0755);
        }
    }

    QString root() const { return device.hostPath(kRoot); }
    QString path(const QString& entry) const { return root() + "/" + entry; }
    void touch(const QString& entry, qint64 secondsAgo) const
    {
        const time_t t = time_t(QDateTime::currentSecsSinceEpoch() - 86400 - secondsAgo);
        const struct timespec times[2] = {{t, 0}, {t, 0}};
        // A link is listed by its target's time.
        utimensat(AT_FDCWD, QFile::encodeName(path(entry)).constData(), times, 0);
    }
    void make(const QString& entry, Kind kind) const
    {
        if (kind == File) {
            device.write(kRoot + "/" + entry, "stray");
            return;
        }
        if (kind == Link) {
            QDir().mkpath(device.root() + "/outside");
            device.write("/outside/kept.txt", "kept");
            QFile::link(device.root() + "/outside", path(entry));
            return;
        }
        QDir().mkpath(path(entry));
        if (kind == Full) {
            device.write(kRoot + "/" + entry + "/info.ini", kInfo.arg(entry.mid(19)).toUtf8());
            device.write(kRoot + "/" + entry + "/LE_sound.wav", QByteArray(64, 'w'));
        } else if (kind == CutInfo) {
            const QByteArray info = kInfo.arg("cut").toUtf8();
            device.write(kRoot + "/" + entry + "/info.ini", info.left(info.indexOf("[Lev") + 4));
        }
    }
    // The seeded store: the listed entries and the ones nobody lists.
    void seed() const
    {
        const QList<Entry> entries = seededEntries();
        for (int i = 0; i < entries.size(); ++i)
            make(entries[i].name, entries[i].kind);
        for (const char* hidden : {".storing", "PS_20200101_000000_p", "XX_x"})
            make(hidden, Bare);
        for (int i = 0; i < entries.size(); ++i)
            touch(entries[i].name, 100 * (i - (i >= 3 ? 1 : 0)));
    }
    // Every path of the device tree (links not followed), with a digest of the content
    // in the data partition and outside it, where the other pages cannot write.
    QMap<QString, QByteArray> tree() const
    {
        QMap<QString, QByteArray> all;
        QDirIterator it(device.root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (file.endsWith("/commands.log"))
                continue;
            QFile f(file);
            const QFileInfo info(file);
            const QString key = file.mid(device.root().size());
            const bool watched = key.startsWith("/media/") || key.startsWith("/outside");
            all[key] = info.isSymLink() ? info.symLinkTarget().toUtf8()
                : watched && info.isFile() && f.open(QIODevice::ReadOnly)
                ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5)
                : QByteArray();
        }
        return all;
    }

    MeasManagement* showList()
    {
        menu->displayWidget(7, 1, 0);
        return menu->getInstanceMeasManagement();
    }

    // Makes removing (or renaming) the path impossible: as root by the immutable flag,
    // otherwise by taking write access from the directory holding it.
    bool pin(const QString& hostPath)
    {
        pinned = true;
        if (geteuid() == 0)
            return TestSupport::setImmutable(hostPath, true);
        return chmod(QFile::encodeName(QFileInfo(hostPath).absolutePath()).constData(), 0555) == 0;
    }

    TestSupport::DeviceRoot device;
    std::unique_ptr<MainMenu> menu;
    bool pinned = false;
};

// The shown entries: list button i with its page and place.
struct Shown
{
    QString dir;
    int page;
    int y;
    QString text1;
    QString text2;
    QString icon;
};

// The icon the page area's style sheet gives the button.
QString iconOf(const SettingsButton* b)
{
    return b->property("listIcon").toString();
}

QList<Shown> shownEntries(MeasManagement* list)
{
    auto* area = TestSupport::child<QStackedWidget>(list, "mainArea");
    QList<Shown> shown;
    for (int p = 0; p < area->count(); ++p) {
        for (auto* b : area->widget(p)->findChildren<SettingsButton*>()) {
            if (!b->isHidden())
                shown.append({b->getAdditionalInfo(), p, b->y(), b->getText1(), b->getText2(), iconOf(b)});
        }
    }
    return shown;
}

QStringList shownDirs(MeasManagement* list)
{
    QStringList dirs;
    for (const Shown& s : shownEntries(list))
        dirs << s.dir;
    return dirs;
}

SettingsButton* entryButton(MeasManagement* list, const QString& dir)
{
    for (auto* b : list->findChildren<SettingsButton*>()) {
        if (!b->isHidden() && b->getAdditionalInfo() == dir)
            return b;
    }
    qFatal("no list entry %s", qPrintable(dir));
    return nullptr;
}

// Clicks the entry in edit mode; the driver presses the edit dialog's buttons.
void editEntry(DialogDriver& driver, MeasManagement* list, const QString& dir, const QStringList& presses)
{
    driver.pressButtons("MeasManagementEdit", presses);
    entryButton(list, dir)->click();
}

void rename(DialogDriver& driver, MeasManagement* list, const QString& dir, const QString& typed)
{
    driver.typeText(typed);
    editEntry(driver, list, dir, {"butEdit", "butAccept"});
}

QString infoValue(const QString& file, const QString& key)
{
    return QSettings(file, QSettings::IniFormat).value(key).toString();
}

} // namespace

class TestMeasManagement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestSupport::useDeviceLook();
    }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void listsTheNewestFivePerPage()
    {
        Instrument instrument;
        instrument.seed();
        MeasManagement* list = instrument.showList();
        QVERIFY(TestSupport::logged("MeasManagement Init"));

        QStringList expected;
        for (const Entry& e : seededEntries())
            expected << e.name;
        const QList<Shown> shown = shownEntries(list);
        QCOMPARE(shownDirs(list), expected);
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(shown[i].page, i / 5);
            QCOMPARE(shown[i].y, 5 + 53 * (i % 5));
        }
        QCOMPARE(list->numPages(), 5);
        QCOMPARE(shown[0].text1, QString("Main street"));
        QCOMPARE(shown[0].text2, QString("02.01.2020 03:04:05"));
        QCOMPARE(shown[0].icon, QString("Levelmeasurement"));
        QCOMPARE(shown[1].icon, QString()); // "le_" is listed, with no icon
        QCOMPARE(shown[2].text2, QString(" "));
        QCOMPARE(shown[4].text1, QString("bad"));
        QCOMPARE(shown[4].text2, QString(" 03:04:05"));
        QCOMPARE(shown[5].text1, kLong.mid(19));
        QCOMPARE(shown[10].icon, QString("Pinpointing"));
        QCOMPARE(shown[12].icon, QString("H2_Sensor"));
        auto* area = TestSupport::child<QStackedWidget>(list, "mainArea");
        QVERIFY(area->grab().save(TestSupport::screenshotPath("measmanagement-garbage.png")));
        area->setCurrentIndex(2);
        QVERIFY(list->grab().save(TestSupport::screenshotPath("measmanagement-list.png")));

        // Page keys wrap among the pages that hold entries; the last one holds one entry.
        QCOMPARE(list->currentPage(), 0);
        button(list, "butMenuPageUp")->click();
        QCOMPARE(list->currentPage(), 4);
        QCOMPARE(area->currentIndex(), 4);
        button(list, "butMenuPageDown")->click();
        QCOMPARE(list->currentPage(), 0);
        button(list, "butMenuPageDown")->click();

        // Edit mode relabels every entry on the same page, and the filter stays hidden.
        button(list, "butMenuEdit")->click();
        QVERIFY(list->isEditMode());
        QCOMPARE(list->currentPage(), 1);
        for (const Shown& s : shownEntries(list))
            QCOMPARE(s.icon, QString("Edit"));
        QVERIFY(list->grab().save(TestSupport::screenshotPath("measmanagement-edit.png")));
        QVERIFY(button(list, "butMenuFilter")->isHidden());
        button(list, "butMenuEdit")->click();
        QCOMPARE(shownEntries(list)[0].icon, QString("Levelmeasurement"));

        // Escape: the press is swallowed, the release leaves for the main page.
        button(list, "butMenuEdit")->click();
        TestSupport::holdEscape(list, [&] { QCOMPARE(instrument.menu->getCurrentWidget(), 7); });
        QCOMPARE(instrument.menu->getCurrentWidget(), 0);
        QVERIFY(!list->isEditMode());
    }

    void showsAtMostTheHundredNewest_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("100") << 100;
        QTest::newRow("101") << 101;
        QTest::newRow("none") << 0;
    }
    void showsAtMostTheHundredNewest()
    {
        QFETCH(int, count);
        Instrument instrument;
        for (int i = 0; i < count; ++i) {
            const QString name = QString("PL_20240101_000000_%1").arg(i, 3, 10, QChar('0'));
            instrument.make(name, Bare);
            instrument.touch(name, i);
        }
        MeasManagement* list = instrument.showList();
        QCOMPARE(list->numMeasurements(), qMin(count, 100));
        QCOMPARE(list->numPages(), qMin(count, 100) / 5);
        const QStringList dirs = shownDirs(list);
        QCOMPARE(dirs.size(), qMin(count, 100));
        QVERIFY(!dirs.contains("PL_20240101_000000_100"));
        if (count == 0) {
            QVERIFY(list->grab().save(TestSupport::screenshotPath("measmanagement-empty.png")));
            button(list, "butMenuPageUp")->click();
            button(list, "butMenuPageDown")->click();
            QCOMPARE(list->currentPage(), 0);
            button(list, "butMenuEdit")->click();
            QVERIFY(list->isEditMode());
        }
    }

    void opensTheStoredView_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<int>("widget");
        QTest::newRow("level") << kMainStreet << 1;
        QTest::newRow("no information file") << "PL_20200101_000000_noinfo" << 8;
        QTest::newRow("cut information file") << "LT_20200101_000000_cut" << 9;
        QTest::newRow("lower case opens nothing") << "le_20200101_000000_low" << 7;
    }
    void opensTheStoredView()
    {
        QFETCH(QString, dir);
        QFETCH(int, widget);
        Instrument instrument;
        instrument.seed();
        DialogDriver driver;
        MeasManagement* list = instrument.showList();
        QSignalSpy opened(list, &MeasManagement::gotoWidget);
        entryButton(list, dir)->click();
        QCOMPARE(opened.size(), widget == 7 ? 0 : 1);
        QCOMPARE(instrument.menu->getCurrentWidget(), widget);
        if (widget == 7)
            return;
        QCOMPARE(opened.first(), QVariantList({widget, -1, 1}));
        QCOMPARE(list->getSelectedMeasurementDir(), dir);
        auto* page = qobject_cast<MeasuringPage*>(instrument.menu->currentPage());
        QVERIFY(page);
        QVERIFY(page->isStoredView());
        QCOMPARE(page->selectedMeasurementDir(), dir);

        page->on_butMenuStoredBack_clicked();
        QCOMPARE(instrument.menu->getCurrentWidget(), 7);
        QCOMPARE(list->currentPage(), 0);
        QVERIFY(!list->isEditMode());
        QCOMPARE(list->getSelectedMeasurementDir(), QString());
    }

    // Files from a PC: one too large or not a plain file reads as missing, and values that
    // are not finite or beyond the displays count as missing. No label shows "nan", "inf"
    // or a number of many digits.
    void storedViewsShowUnshowableFilesAsMissing_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<QString>("obstacle");
        const QByteArray points = "[Levels]\nLevel_1=nan\nFrequency_1=7\nLevel_2=1e30\nFrequency_2=1e30\n"
                                  "Level_3=-inf\nFrequency_3=-5\nLevel_4=40.5\nFrequency_4=nan\n"
                                  "[Filter]\nFiltertype=Bandpass\nLowCutOff-Frequency=-1\n"
                                  "HighCutOff-Frequency=4294967295\n";
        const QByteArray series = "[Levels_CSV]\nLevels_Cnt=4\nLevels_Data=\"nan; inf; -1e30; 1e30; \"\n"
                                  "H2-MaxRange=1000\nSelectedTime=0\nMaxVisibleData=180\n";
        QTest::newRow("level") << "LE_20200101_000000_x"
                               << QByteArray("[Levels]\nLevel=nan\nFrequency=1e30\n[FFT]\nFFT-Size=2\n"
                                             "FFT-Values=\"inf; nan; \"\n")
                               << "";
        QTest::newRow("level: infinite") << "LE_20200101_000000_x" << QByteArray("[Levels]\nLevel=inf\nFrequency=-inf\n")
                                         << "";
        QTest::newRow("level: too large") << "LE_20200101_000000_x" << QByteArray() << "large";
        QTest::newRow("pinpointing") << "PP_20200101_000000_x" << points << "";
        QTest::newRow("pinpointing: too large") << "PP_20200101_000000_x" << points << "large";
        QTest::newRow("pipe locating") << "PL_20200101_000000_x" << points << "";
        QTest::newRow("pipe locating: a link") << "PL_20200101_000000_x" << points << "link";
        QTest::newRow("long-term") << "LT_20200101_000000_x" << series << "";
        QTest::newRow("long-term: too large") << "LT_20200101_000000_x" << series << "large";
        QTest::newRow("H2") << "H2_20200101_000000_x" << series << "";
        QTest::newRow("H2: too large") << "H2_20200101_000000_x" << series << "large";
        // A PC editor may end the lines with CR alone or with CR LF.
        QTest::newRow("pinpointing: CR line ends") << "PP_20200101_000000_x" << points << "\r";
        QTest::newRow("long-term: CR LF line ends") << "LT_20200101_000000_x" << series << "\r\n";
    }
    void storedViewsShowUnshowableFilesAsMissing()
    {
        QFETCH(QString, dir);
        QFETCH(QByteArray, values);
        QFETCH(QString, obstacle);
        Instrument instrument;
        QByteArray info = "[Measurementinfo]\nMeasurementname=shown\n" + values;
        const QString file = kRoot + "/" + dir + "/info.ini";
        if (obstacle == "large")
            info += "[Padding]\nText=" + QByteArray(100 * 1024, 'x') + "\n";
        const bool lineEnds = obstacle.startsWith('\r');
        if (lineEnds)
            info.replace("\n", obstacle.toLatin1());
        if (obstacle == "link") {
            instrument.device.write("/outside/info.ini", info);
            QDir().mkpath(instrument.path(dir));
            QVERIFY(QFile::link(instrument.device.hostPath("/outside/info.ini"), instrument.device.hostPath(file)));
        } else {
            instrument.device.write(file, info);
        }
        if (!obstacle.isEmpty() && !lineEnds)
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Information file not read .*info.ini"));
        DialogDriver driver;
        MeasManagement* list = instrument.showList();
        entryButton(list, dir)->click();
        auto* page = qobject_cast<MeasuringPage*>(instrument.menu->currentPage());
        QVERIFY(page && page->isStoredView());
        const QRegularExpression unshowable("\\b(nan|inf)\\b|\\d{6}", QRegularExpression::CaseInsensitiveOption);
        for (const QLabel* label : page->findChildren<QLabel*>())
            QVERIFY2(!unshowable.match(label->text()).hasMatch(), qPrintable(label->objectName() + ": " + label->text()));
        const QString name = TestSupport::child<QLabel>(page, "labelStoredMeasurement")->text();
        QCOMPARE(name, obstacle.isEmpty() || lineEnds ? QString("shown") : QString());
        page->on_butMenuStoredBack_clicked();
    }

    void renamesInsideTheStore_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("renamed");
        QTest::addColumn<QString>("name");
        // The information file in place of the seeded one, and the temporary folder's failure.
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<int>("temporary");
        const int none = -1;
        const QByteArray seeded;
        QTest::newRow("trimmed") << kMainStreet << "  New  " << "LE_20200102_030405_New" << "New" << seeded << none;
        QTest::newRow("up and out") << kMainStreet << "a/../../x" << "LE_20200102_030405_a_.._.._x" << "a_.._.._x"
                                    << seeded << none;
        QTest::newRow("FAT characters") << kMainStreet << "b:c*?" << "LE_20200102_030405_b_c__" << "b_c__" << seeded
                                        << none;
        QTest::newRow("unchanged") << kMainStreet << "Main street" << kMainStreet << "Main street" << seeded << none;
        QTest::newRow("emptied") << kMainStreet << "" << "LE_20200102_030405_" << "" << seeded << none;
        QTest::newRow("date that does not parse") << "LE_2020133x_030405_bad" << "bar" << "LE__030405_bar" << "bar"
                                                  << seeded << none;
        QTest::newRow("cut information file") << "LT_20200101_000000_cut" << "c" << "LT_20200101_000000_c" << "c"
                                              << seeded << none;
        QTest::newRow("file") << "LE_file" << "f" << "LE___f" << "" << seeded << none;
        // As a PC editor writes it: the settings class reads it as UTF-8.
        const QByteArray stored = kInfo.arg("Main street").toUtf8();
        const QString greeting = QString::fromUtf8("Grüße \xf0\x9f\x92\xa7");
        QTest::newRow("byte-order mark, to a name beyond ASCII")
            << kMainStreet << greeting << "LE_20200102_030405_" + greeting << greeting
            << "\xef\xbb\xbf" + stored + "[Notes]\nText=Stra\xc3\x9f" "e\n" << none;
        QTest::newRow("a NaN") << kMainStreet << "N" << "LE_20200102_030405_N" << "N"
                               << stored + "[Peaks]\nLevel=@Variant(\\0\\0\\0\\x87\\x7f\\xc0\\0\\0)\n" << none;
        QTest::newRow("temporary folder full") << kMainStreet << "T" << "LE_20200102_030405_T" << "T" << seeded
                                               << int(FailingCard::Full);
        QTest::newRow("temporary folder read-only") << kMainStreet << "T" << "LE_20200102_030405_T" << "T" << seeded
                                                    << int(FailingCard::ReadOnly);
    }
    void renamesInsideTheStore()
    {
        QFETCH(QString, dir);
        QFETCH(QString, typed);
        QFETCH(QString, renamed);
        QFETCH(QString, name);
        QFETCH(QByteArray, info);
        QFETCH(int, temporary);
        Instrument instrument;
        instrument.seed();
        if (!info.isNull())
            QVERIFY(instrument.device.write(kRoot + "/" + dir + "/info.ini", info));
        const QString temporaryFolder = instrument.device.hostPath("/tmp");
        QVERIFY(QDir().mkpath(temporaryFolder));
        std::unique_ptr<TestSupport::ScopedEnvironment> temporaryFolderSet;
        std::unique_ptr<FailingCard> card;
        if (temporary >= 0) {
            temporaryFolderSet = std::make_unique<TestSupport::ScopedEnvironment>("TMPDIR",
                                                                                  QFile::encodeName(temporaryFolder));
            card = std::make_unique<FailingCard>(FailingCard::Failure(temporary), temporaryFolder);
            if (!card->isPossible())
                QSKIP("no file system can be mounted here");
            QVERIFY(card->fail());
        }
        const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        const QStringList inTemporary = QDir(temporaryFolder).entryList(all);
        const QString oldInfo = instrument.path(dir) + "/info.ini";
        const QList<QPair<QString, QString>> keysBefore = TestSupport::iniEntries(instrument.device.read(kRoot + "/" + dir + "/info.ini"));
        QMap<QString, QByteArray> before = instrument.tree();
        DialogDriver driver;
        MeasManagement* list = instrument.showList();
        button(list, "butMenuEdit")->click();
        button(list, "butMenuPageDown")->click();
        rename(driver, list, dir, typed);
        QCOMPARE(driver.messages().size(), 0);
        QCOMPARE(driver.keyboardsSeen(), 1);
        QVERIFY(list->isEditMode());
        QCOMPARE(list->currentPage(), 1);

        // Nothing else in the tree has changed: the entry has its new name and only its
        // information file differs.
        QMap<QString, QByteArray> after = instrument.tree();
        const QString infoAfter = instrument.path(renamed) + "/info.ini";
        const bool isFile = dir == "LE_file";
        QMap<QString, QByteArray> expected;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QString key = it.key();
            if (key == kRoot + "/" + dir || key.startsWith(kRoot + "/" + dir + "/"))
                key.replace(kRoot.size() + 1, dir.size(), renamed);
            if (!key.endsWith(renamed + "/info.ini"))
                expected[key] = it.value();
        }
        after.remove(kRoot + "/" + renamed + "/info.ini");
        QCOMPARE(after, expected);
        QVERIFY(shownDirs(list).contains(renamed));
        if (isFile) {
            QVERIFY(!QFileInfo::exists(infoAfter));
            return;
        }
        QCOMPARE(infoValue(infoAfter, "Measurementinfo/Measurementname"), name);
        // Every key that parsed is kept as it was.
        const QList<QPair<QString, QString>> keysAfter = TestSupport::iniEntries(instrument.device.read(kRoot + "/" + renamed + "/info.ini"));
        for (const auto& key : keysBefore) {
            if (key.first != "Measurementinfo/Measurementname")
                QVERIFY2(keysAfter.contains(key), qPrintable(key.first));
        }
        QVERIFY(TestSupport::logged(QString("Rename \"%1\" to \"%2\" true").arg(dir, renamed)));
        QCOMPARE(QDir(temporaryFolder).entryList(all), inTemporary);
    }

    void refusedRenameChangesNothing_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QStringList>("warnings");
        const QString cannotWrite = "^Cannot write .*/LE_20200102_030405_Main street/info.ini";
        QTest::newRow("onto an existing name") << "taken" << QStringList();
        QTest::newRow("information file cannot be written") << "pinned" << QStringList(cannotWrite);
        QTest::newRow("information file is a link out of the store")
            << "link" << QStringList("^Not renamed: the information file is a link");
        QTest::newRow("full card") << "full" << QStringList(cannotWrite);
        QTest::newRow("writes fail") << "writes" << QStringList(cannotWrite);
        QTest::newRow("the folder's sync fails: information file put back")
            << "folder sync" << QStringList({cannotWrite + ".*did not reach", "^Cannot restore"});
        QTest::newRow("the store's sync fails: renamed back, information file put back")
            << "root sync" << QStringList("^Cannot sync .* after the rename");
        QTest::newRow("the store takes no new name: information file put back")
            << "root pinned" << QStringList("^Cannot rename");
    }
    void refusedRenameChangesNothing()
    {
        QFETCH(QString, obstacle);
        QFETCH(QStringList, warnings);
        const bool failingCard = obstacle == "full" || obstacle == "writes";
        Instrument instrument;
        std::unique_ptr<FailingCard> card;
        if (failingCard) {
            card = std::make_unique<FailingCard>(obstacle == "full" ? FailingCard::Full : FailingCard::WritesFail,
                                                 instrument.root());
            if (!card->isPossible())
                QSKIP("no file system can be mounted here");
        }
        instrument.seed();
        const QString infoFile = instrument.path(kMainStreet) + "/info.ini";
        if (obstacle == "taken") {
            instrument.make("LE_20200102_030405_Taken", Full);
        } else if (obstacle == "link") {
            instrument.device.write("/outside/info.ini", "[Measurementinfo]\nMeasurementname=outside\n");
            QVERIFY(QFile::remove(infoFile));
            QVERIFY(QFile::link(instrument.device.hostPath("/outside/info.ini"), infoFile));
        } else if (failingCard) {
            // More than the full card's last page.
            const QByteArray padding = "[Padding]\nText=" + QByteArray(6000, 'p');
            QVERIFY(instrument.device.write(kRoot + "/" + kMainStreet + "/info.ini",
                                            kInfo.arg("Main street").toUtf8() + padding));
            QVERIFY(card->fail());
        } else if (obstacle.endsWith("sync")) {
            const QString folder = obstacle == "root sync" ? instrument.root() : instrument.path(kMainStreet);
            card = std::make_unique<FailingCard>(FailingCard::FolderSyncFails, folder);
            QVERIFY(card->fail());
        } else if (obstacle == "root pinned") {
            // Entries inside the store can be written, none in it renamed.
            instrument.pinned = true;
            if (geteuid() == 0 ? !TestSupport::setImmutable(instrument.root(), true)
                               : chmod(QFile::encodeName(instrument.root()).constData(), 0555) != 0)
                QSKIP("cannot make the rename fail here");
        } else if (!instrument.pin(infoFile)) {
            QSKIP("cannot make the write fail here");
        }
        for (const QString& warning : warnings)
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression(warning));
        const QMap<QString, QByteArray> before = instrument.tree();
        DialogDriver driver;
        driver.grabMessages(true);
        MeasManagement* list = instrument.showList();
        button(list, "butMenuEdit")->click();
        rename(driver, list, kMainStreet, "Taken");
        QCOMPARE(instrument.tree(), before);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].icon, int(MessageDialog::IconError));
        QCOMPARE(driver.messages()[0].headline, QString("Error"));
        QCOMPARE(driver.messages()[0].text, QString("The measurement could not be renamed."));
        QVERIFY(driver.messages()[0].image.save(TestSupport::screenshotPath("measmanagement-rename-error.png")));
        QVERIFY(TestSupport::logged(QString("Rename \"%1\" to \"LE_20200102_030405_Taken\" false").arg(kMainStreet)));
        QVERIFY(list->isEditMode());
    }

    // Renamed or deleted means on the card. A rename writes the new name into the
    // information file and syncs its folder before the folder takes the name, so that a
    // kill between them leaves the least time with two names; a delete is done once the
    // entry is out of the list on the card.
    void renameAndDeleteReachTheCardInOrder_data()
    {
        QTest::addColumn<bool>("deletes");
        QTest::addColumn<QStringList>("order");
        const QString old = "LE_20200102_030405_Main street";
        QTest::newRow("rename") << false
                                << QStringList({"^rename " + old + "/\\.info\\.ini\\.\\w{6} -> " + old + "/info\\.ini$",
                                                "^sync " + old + "/$", "^rename " + old + " -> LE_20200102_030405_New$",
                                                "^sync \\./$"});
        QTest::newRow("delete") << true << QStringList({"^rename " + old + " -> \\.storing$", "^sync \\./$"});
    }
    void renameAndDeleteReachTheCardInOrder()
    {
        QFETCH(bool, deletes);
        QFETCH(QStringList, order);
        Instrument instrument;
        instrument.seed();
        FailingCard journal(FailingCard::Journal, instrument.root());
        QVERIFY(journal.fail());
        DialogDriver driver;
        MeasManagement* list = instrument.showList();
        button(list, "butMenuEdit")->click();
        if (deletes)
            editEntry(driver, list, kMainStreet, {"butDelete"});
        else
            rename(driver, list, kMainStreet, "New");
        QCOMPARE(driver.messages().size(), 0);
        QVERIFY2(journal.firstMissing(order) < 0, qPrintable(journal.journal().join('\n')));
    }

    void editDialogShowsAndKeepsTheStoredName()
    {
        Instrument instrument;
        instrument.seed();
        const QMap<QString, QByteArray> before = instrument.tree();
        DialogDriver driver;
        QStringList presets;
        MeasManagement* list = instrument.showList();
        button(list, "butMenuEdit")->click();
        driver.typeText("First");
        driver.cancelKeyboard();
        QStringList shownNames;
        driver.setInspector([&](QWidget* dialog) {
            if (auto* text = dialog->findChild<QPlainTextEdit*>("textEdit"))
                presets << text->toPlainText();
            auto* edit = qobject_cast<MeasManagementEdit*>(dialog);
            if (!edit)
                return;
            shownNames << TestSupport::child<QLineEdit>(edit, "lineEditDirName")->text();
            if (shownNames.size() == 1) {
                QCOMPARE(TestSupport::child<QLabel>(edit, "labelMeasurementType")->text(), QString("Level measurement"));
                QCOMPARE(TestSupport::child<QLabel>(edit, "labelDateTime")->text(), QString("02.01.2020 03:04:05"));
            }
            QVERIFY(edit->grab().save(TestSupport::screenshotPath(
                shownNames.size() == 2 ? "measmanagement-edit-dialog-edited.png" : "measmanagement-edit-dialog.png")));
        });
        editEntry(driver, list, kMainStreet, {"butEdit", "butEdit", "butAccept"});
        driver.setInspector(nullptr);
        QCOMPARE(shownNames, QStringList({"Main street", "First", "Main street"}));
        QCOMPARE(presets, QStringList({"Main street", "Main street"}));
        QVERIFY(TestSupport::logged("Text: First"));
        QVERIFY(TestSupport::logged("Text: verworfen"));
        QCOMPARE(instrument.tree().keys(), before.keys());
        QCOMPARE(infoValue(instrument.path(kMainStreet) + "/info.ini", "Measurementinfo/Measurementname"),
                 QString("Main street"));
    }

    void dialogNamesTheType_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("dateTime");
        QTest::newRow("PP") << "PP_20240301_120000_x" << "Histogram" << "01.03.2024 12:00:00";
        QTest::newRow("H2") << "H2_20240301_120000_x" << "H2 measurement" << "01.03.2024 12:00:00";
        QTest::newRow("lower case") << "le_20240301_120000_x" << "Measurementtype" << "01.03.2024 12:00:00";
        QTest::newRow("bad date") << "LE_2020133x_030405_bad" << "Level measurement" << " 03:04:05";
        QTest::newRow("short") << "LE_" << "Level measurement" << " ";
    }
    void dialogNamesTheType()
    {
        QFETCH(QString, dir);
        QFETCH(QString, type);
        QFETCH(QString, dateTime);
        QTranslator english;
        QVERIFY(TestSupport::installEnglish(english));
        MeasManagementEdit edit(nullptr);
        edit.init(dir);
        QCOMPARE(TestSupport::child<QLabel>(edit, "labelMeasurementType")->text(), type);
        QCOMPARE(TestSupport::child<QLabel>(edit, "labelDateTime")->text(), dateTime);
        QApplication::removeTranslator(&english);
    }

    void deletesOneEntry_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::newRow("directory with clips") << kMainStreet;
        QTest::newRow("file") << "LE_file";
        QTest::newRow("link, its target kept") << "LE_20200101_000000_link";
    }
    void deletesOneEntry()
    {
        QFETCH(QString, dir);
        Instrument instrument;
        instrument.seed();
        QMap<QString, QByteArray> expected = instrument.tree();
        for (const QString& key : expected.keys()) {
            if (key == kRoot + "/" + dir || key.startsWith(kRoot + "/" + dir + "/"))
                expected.remove(key);
        }
        // Every entry leaves through the staging entry, which takes the leftover one along.
        expected.remove(kRoot + "/.storing");
        DialogDriver driver;
        MeasManagement* list = instrument.showList();
        button(list, "butMenuEdit")->click();
        editEntry(driver, list, dir, {"butDelete"});
        QCOMPARE(instrument.tree(), expected);
        QVERIFY(!shownDirs(list).contains(dir));
        QVERIFY(list->isEditMode());
        QCOMPARE(driver.messages().size(), 0);
        QVERIFY(TestSupport::logged(QString("Delete: \"%1\" true").arg(dir)));
    }

    void failedDeleteLeavesTheEntryWholeOrGone_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("message");
        const QString notDeleted = "The measurement could not be deleted.";
        QTest::newRow("entry cannot move: listed whole") << "entry pinned" << true << notDeleted;
        QTest::newRow("the store's sync fails: listed whole") << "root sync" << true << notDeleted;
        QTest::newRow("a clip cannot go: gone from the list, and the message says so")
            << "clip pinned" << false
            << "The measurement was removed from the list.\n"
               "Some of its files will be deleted when the next measurement is saved.";
    }
    void failedDeleteLeavesTheEntryWholeOrGone()
    {
        QFETCH(QString, obstacle);
        QFETCH(bool, listed);
        QFETCH(QString, message);
        Instrument instrument;
        instrument.seed();
        const QString clip = instrument.path(kMainStreet) + "/LE_sound.wav";
        std::unique_ptr<FailingCard> card;
        if (obstacle == "root sync") {
            card = std::make_unique<FailingCard>(FailingCard::FolderSyncFails, instrument.root());
            QVERIFY(card->fail());
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Cannot sync .* after taking"));
        } else if (!instrument.pin(obstacle == "entry pinned" ? instrument.path(kMainStreet) : clip)) {
            QSKIP("cannot make a removal fail here");
        }
        DialogDriver driver;
        driver.grabMessages(true);
        MeasManagement* list = instrument.showList();
        button(list, "butMenuEdit")->click();
        editEntry(driver, list, kMainStreet, {"butDelete"});
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].icon, int(listed ? MessageDialog::IconError : MessageDialog::IconWarning));
        QCOMPARE(driver.messages()[0].text, message);
        const QString shot = listed ? "measmanagement-delete-error.png" : "measmanagement-delete-files-remain.png";
        QVERIFY(driver.messages()[0].image.save(TestSupport::screenshotPath(shot)));
        QCOMPARE(shownDirs(list).contains(kMainStreet), listed);
        if (listed)
            QVERIFY(QFileInfo::exists(instrument.path(kMainStreet) + "/info.ini"));
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }
    void cancelChangesNothing()
    {
        QFETCH(bool, escape);
        Instrument instrument;
        instrument.seed();
        const QMap<QString, QByteArray> before = instrument.tree();
        DialogDriver driver;
        driver.typeText("Other");
        MeasManagement* list = instrument.showList();
        button(list, "butMenuEdit")->click();
        button(list, "butMenuPageDown")->click();
        editEntry(driver, list, "LE_2020133x_030405_bad", {"butEdit", escape ? "Key_Escape" : "butCancel"});
        QCOMPARE(driver.otherDialogs(), QStringList());
        QCOMPARE(instrument.tree(), before);
        QVERIFY(TestSupport::logged("MeasManagementEdit: Cancel 0 \"\""));
        QCOMPARE(list->currentPage(), 1);
        QVERIFY(list->isEditMode());
    }
};

QTEST_MAIN(TestMeasManagement)
#include "tst_measmanagement.moc"
