// The measurement store on a simulated device: limits, listing, names, the information
// files, the staged save and its failures.
#include "Audio/audioworker.h"
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "Hardware/gps.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "Tools/storedinfo.h"
#include "dialogdriver.h"
#include "failingcard.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QSettings>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QString kRoot = "/media/tk9400/meas";
const QString kClips = "/home/root/meas/wav_temp";

struct Store
{
    // With a GPS receiver standing still at 51.123456, 7.654321 when asked for.
    explicit Store(bool gps = false)
    {
        if (gps) {
            GpsSimulator::Route route;
            route.latitude = 51.123456;
            route.longitude = 7.654321;
            route.speedMetresPerSecond = 0.0;
            receiver.setRoute(route);
            if (receiver.open(device.hostPath("/dev/ttyO1")))
                receiver.start(200);
        }
        menu.reset(new MainMenu);
    }
    ~Store() { menu.reset(); }
    bool hasFix() const
    {
        return QTest::qWaitFor(
            [this] { return menu->getGpsInstance()->getLatitude() != 0.0; }, TestSupport::timeBound(8000));
    }

    QString root() const { return device.hostPath(kRoot); }
    QStringList entries() const
    {
        return QDir(root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    void addEntries(int count, const QString& prefix = "LE_") const
    {
        for (int i = 0; i < count; ++i)
            QDir(root()).mkdir(prefix + QString::number(i));
    }
    void putClip(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(device.hostPath(kClips));
        device.write(kClips + "/" + name, bytes);
    }
    // Everything in the device tree, for the check that a store touched nothing else.
    QStringList tree() const
    {
        QStringList all;
        QDirIterator it(device.root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            all << it.next();
        all.sort();
        return all;
    }
    // The one entry that the store added.
    QString added(const QStringList& before) const
    {
        QStringList now = entries();
        for (const QString& old : before)
            now.removeAll(old);
        return now.size() == 1 ? now.first() : QString("(%1 new)").arg(now.size());
    }

    TestSupport::DeviceRoot device;
    GpsSimulator receiver;
    std::unique_ptr<MainMenu> menu;
};

MeasInfoStructure sampleRecord(int filterType)
{
    MeasInfoStructure info{};
    info.level[0] = -3.5f;
    info.frequency[0] = 440;
    info.level[1] = 43.1254f;
    info.frequency[1] = 250;
    info.posLat[1] = 51.123456;
    info.posLong[1] = 7.654321;
    info.array[0] = 12.3f;
    info.array[1] = 12.4f;
    info.arrayCnt = 2;
    info.arrayInfoParameter_1 = 7;
    info.arrayInfoParameter_2 = -9;
    info.filterType = filterType;
    info.filterLowCutOff = 160;
    info.filterHighCutOff = 1250;
    info.sampleRate = 16000;
    info.fftSize = 3;
    info.fft[0] = 1.5f;
    info.fft[1] = 0.000001f;
    info.fft[2] = 123456789.0f;
    return info;
}

using Keys = QMap<QString, QString>;

void addPoints(Keys& keys, bool withFrequency)
{
    for (int p = 1; p <= 10; ++p) {
        keys[QString("Levels/Level_%1").arg(p)] = p == 1 ? "43.125" : "0.000";
        if (withFrequency)
            keys[QString("Levels/Frequency_%1").arg(p)] = p == 1 ? "250" : "0";
        keys[QString("GPS-Positions/GPS-Position_%1").arg(p)] = p == 1 ? "51.123456, 7.654321" : "0.000000, 0.000000";
    }
}

void addFilter(Keys& keys, const QString& type)
{
    keys["Filter/Filtertype"] = type;
    keys["Filter/LowCutOff-Frequency"] = "160";
    keys["Filter/HighCutOff-Frequency"] = "1250";
}

bool inWindow(const QDateTime& t, const QDateTime& from, const QDateTime& to)
{
    return t.isValid() && t >= from.addMSecs(-from.time().msec()) && t <= to;
}

} // namespace

Q_DECLARE_METATYPE(Keys)

class TestMeasurements : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void limitWarnsFrom85AndRefusesAt100_data()
    {
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("ending");
        QTest::newRow("84") << 84 << -1 << "";
        QTest::newRow("85") << 85 << 1 << "\n(85 / 100)";
        QTest::newRow("99") << 99 << 1 << "\n(99 / 100)";
        QTest::newRow("100") << 100 << 2 << "\n(100 / 100)";
    }
    void limitWarnsFrom85AndRefusesAt100()
    {
        QFETCH(int, saved);
        QFETCH(int, icon);
        QFETCH(QString, ending);
        Store store;
        store.addEntries(saved);
        const QStringList tree = store.tree();
        DialogDriver driver;
        const int result = MeasurementData()->storeMeasurement(Measurements::Pipelocating, "x", MeasInfoStructure{});
        QCOMPARE(driver.messages().size(), icon < 0 ? 0 : 1);
        if (icon >= 0) {
            const DialogDriver::Message message = driver.messages().first();
            QCOMPARE(message.icon, icon);
            QCOMPARE(message.headline, QString(icon == 2 ? "Error" : "Warning"));
            QVERIFY2(message.text.endsWith(ending), qPrintable(message.text));
            QVERIFY(TestSupport::logged(icon == 2 ? "Message Measurement Error closed" : "Message Measurement Warning closed"));
        }
        QCOMPARE(result, icon == 2 ? -1 : 0);
        if (icon == 2)
            QCOMPARE(store.tree(), tree);
        else
            QCOMPARE(MeasurementData()->getNumMeasurements(), saved + 1);
    }

    void countsAndListsTheFivePrefixesNewestFirst()
    {
        Store store;
        for (const char* name : {"PS_a", "foo", "le_b", "LE_c", "PP_d", "LT_e"})
            QDir(store.root()).mkdir(name);
        store.device.write(kRoot + "/H2_file", "a file counts too");
        QCOMPARE(MeasurementData()->getNumMeasurements(), 5);
        QVERIFY(TestSupport::logged("NumMeas: 5"));
        QCOMPARE(QDir::currentPath(), QDir(store.root()).canonicalPath());

        const qint64 base = QDateTime::currentSecsSinceEpoch() - 86400;
        auto touch = [&](const char* name, int seconds) {
            const struct timespec times[2] = {{time_t(base + seconds), 0}, {time_t(base + seconds), 0}};
            QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(store.root() + "/" + name).constData(), times, 0), 0);
        };
        touch("le_b", 10);
        touch("LE_c", 30);
        touch("PP_d", 20);
        touch("LT_e", 20);
        touch("H2_file", 5);
        QDir::setCurrent(QDir::tempPath());
        QCOMPARE(MeasurementData()->getMeasurementList(), QStringList({"LE_c", "LT_e", "PP_d", "le_b", "H2_file"}));
        QCOMPARE(QDir::currentPath(), QDir(store.root()).canonicalPath());
    }

    void missingRootCountsNothingAndIsNotCreated()
    {
        Store store;
        QVERIFY(QDir(store.root()).removeRecursively());
        // A working directory full of look-alikes must not be counted instead.
        QTemporaryDir elsewhere;
        QDir(elsewhere.path()).mkdir("LE_elsewhere");
        QDir::setCurrent(elsewhere.path());
        QCOMPARE(MeasurementData()->getNumMeasurements(), 0);
        QCOMPARE(MeasurementData()->getMeasurementList(), QStringList());

        DialogDriver driver;
        TestSupport::expectMessage(QtWarningMsg, "Measurement could not be stored");
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::Pinpointing, "x", MeasInfoStructure{}), -1);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages().first().icon, 2);
        QCOMPARE(driver.messages().first().text, QString("Measurement could not be stored."));
        QVERIFY(!QFileInfo::exists(store.root()));
    }

    void namesBecomeOneEntryDirectlyInTheRoot_data()
    {
        QTest::addColumn<int>("saved");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << 12 << "" << "M13";
        QTest::newRow("blanks") << 0 << "   " << "";
        QTest::newRow("up and out") << 0 << "a/../../x" << "a_.._.._x";
        QTest::newRow("nested") << 0 << "x/y" << "x_y";
        QTest::newRow("dot dot") << 0 << ".." << "..";
        QTest::newRow("FAT characters") << 0 << " b:c*?\"<>|\\d " << "b_c_______d";
        QTest::newRow("control characters") << 0 << "tab\there\x01" << "tab_here_";
        QTest::newRow("long") << 0 << QString(300, QChar(0x00e4)) << QString(118, QChar(0x00e4));
        QTest::newRow("long, cut between pairs") << 0 << "a" + QString::fromUtf8("\xf0\x9f\x92\xa7").repeated(80)
                                                 << "a" + QString::fromUtf8("\xf0\x9f\x92\xa7").repeated(58);
    }
    void namesBecomeOneEntryDirectlyInTheRoot()
    {
        QFETCH(int, saved);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        Store store;
        store.addEntries(saved, "PL_");
        const QStringList before = store.entries();
        const QStringList tree = store.tree();
        DialogDriver driver;
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::H2Sensor, name, MeasInfoStructure{}), 0);
        const QString entry = store.added(before);
        QVERIFY2(entry.startsWith("H2_") && entry.endsWith("_" + stored), qPrintable(entry));
        QCOMPARE(entry.size(), 19 + stored.size());
        QVERIFY(entry.toUtf8().size() <= 255);
        QStringList changed = store.tree();
        for (const QString& old : tree)
            changed.removeAll(old);
        QCOMPARE(changed, QStringList({store.root() + "/" + entry, store.root() + "/" + entry + "/info.ini"}));
        QSettings ini(store.root() + "/" + entry + "/info.ini", QSettings::IniFormat);
        QCOMPARE(ini.value("Measurementinfo/Measurementname").toString(), stored);
    }

    void unknownTypesStoreNothing()
    {
        Store store;
        const QStringList tree = store.tree();
        for (int type : {5, -1})
            QCOMPARE(MeasurementData()->storeMeasurement(type, "x", MeasInfoStructure{}), 0);
        QCOMPARE(store.tree(), tree);
    }

    void informationFilePerType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("filterType");
        QTest::addColumn<Keys>("expected");

        Keys level;
        level["Measurementinfo/Measurementtype"] = "Levelmeasurement";
        level["Levels/Level"] = "-3.500";
        level["Levels/Frequency"] = "440";
        level["GPS-Positions/GPS-Position"] = "51.123456, 7.654321";
        addFilter(level, "Bandpass");
        level["FFT/Samplerate"] = "16000";
        level["FFT/FFT-Size"] = "3";
        level["FFT/FFT-Values"] = "1.5; 1e-06; 1.23457e+08; ";
        QTest::newRow("LE") << 0 << 1 << level;

        Keys pinpointing;
        pinpointing["Measurementinfo/Measurementtype"] = "Histogram";
        addPoints(pinpointing, true);
        addFilter(pinpointing, "unknown");
        QTest::newRow("PP") << 1 << 3 << pinpointing;

        Keys pipe = pinpointing;
        pipe["Measurementinfo/Measurementtype"] = "Pipelocating";
        addFilter(pipe, "NoFilter");
        QTest::newRow("PL") << 2 << 0 << pipe;

        Keys h2;
        h2["Measurementinfo/Measurementtype"] = "H2-Sensor";
        addPoints(h2, false);
        h2["Levels_CSV/Levels_Cnt"] = "2";
        h2["Levels_CSV/H2-ReferenceLevel"] = "7";
        h2["Levels_CSV/H2-MaxRange"] = "-9";
        h2["Levels_CSV/Levels_Data"] = "12.3; 12.4; ";
        QTest::newRow("H2") << 3 << 2 << h2;

        Keys longterm;
        longterm["Measurementinfo/Measurementtype"] = "Longtermmeasurement";
        longterm["GPS-Positions/GPS-Position"] = "51.123456, 7.654321";
        addFilter(longterm, "Bandstop");
        longterm["Levels_CSV/Levels_Cnt"] = "2";
        longterm["Levels_CSV/Levels_Data"] = "12.3; 12.4; ";
        longterm["Levels_CSV/SelectedTime"] = "7";
        longterm["Levels_CSV/MaxVisibleData"] = "-9";
        QTest::newRow("LT") << 4 << 2 << longterm;
    }
    void informationFilePerType()
    {
        QFETCH(int, type);
        QFETCH(int, filterType);
        QFETCH(Keys, expected);
        // The level and long-term files hold the receiver's position when they are written.
        const bool position = type == Measurements::LevelMeasurement || type == Measurements::Longterm;
        Store store(position);
        QVERIFY(!position || store.hasFix());
        store.menu->setMicGainStep(5);
        expected["Measurementinfo/Measurementname"] = "Straße, 3";
        expected["Measurementinfo/Firmwareversion"] = "1.8.0";
        expected["Gains/Microphone-Gain"] = "5";
        expected["Gains/Headphone-Gain"] = QString::number(store.menu->getBtSourceInstance()->getBtExtHeadphoneGain());

        const QStringList before = store.entries();
        const QDateTime from = Platform::currentDateTime();
        QCOMPARE(MeasurementData()->storeMeasurement(type, " Straße, 3 ", sampleRecord(filterType)), 0);
        const QDateTime to = Platform::currentDateTime();
        const QString entry = store.added(before);
        static const char* const prefixes[] = {"LE_", "PP_", "PL_", "H2_", "LT_"};
        QVERIFY2(entry.startsWith(prefixes[type]) && entry.endsWith("_Straße, 3"), qPrintable(entry));
        QVERIFY2(inWindow(QDateTime::fromString(entry.mid(3, 15), "yyyyMMdd_hhmmss"), from, to), qPrintable(entry));

        QSettings ini(store.root() + "/" + entry + "/info.ini", QSettings::IniFormat);
        QCOMPARE(ini.status(), QSettings::NoError);
        const QDateTime written = QDateTime::fromString(ini.value("Measurementinfo/Measurementdate").toString() + " "
                                                            + ini.value("Measurementinfo/Measurementtime").toString(),
                                                        "dd.MM.yyyy hh:mm:ss");
        QVERIFY(inWindow(written, from, to));
        Keys actual;
        for (const QString& key : ini.allKeys()) {
            if (key != "Measurementinfo/Measurementdate" && key != "Measurementinfo/Measurementtime")
                actual[key] = ini.value(key).toString();
        }
        QCOMPARE(actual, expected);
        QVERIFY(!store.device.read(kRoot + "/" + entry + "/info.ini").contains("@Variant"));
        // The stored views read the same values with our own parser.
        const StoredInfo stored(store.root() + "/" + entry + "/info.ini");
        for (auto it = actual.cbegin(); it != actual.cend(); ++it)
            QCOMPARE(stored.value(it.key()).toString(), it.value());
    }

    void countsBeyondTheArraysAreClamped()
    {
        Store store;
        MeasInfoStructure info{};
        info.fftSize = 5000;
        info.arrayCnt = 5000;
        QStringList before = store.entries();
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::LevelMeasurement, "fft", info), 0);
        QSettings level(store.root() + "/" + store.added(before) + "/info.ini", QSettings::IniFormat);
        QCOMPARE(level.value("FFT/FFT-Size").toInt(), 1024);
        QCOMPARE(level.value("FFT/FFT-Values").toString().count("; "), 1024);
        before = store.entries();
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::H2Sensor, "array", info), 0);
        QSettings h2(store.root() + "/" + store.added(before) + "/info.ini", QSettings::IniFormat);
        QCOMPARE(h2.value("Levels_CSV/Levels_Cnt").toInt(), 2048);
        QCOMPARE(h2.value("Levels_CSV/Levels_Data").toString().count("; "), 2048);
    }

    void sameNameWithinOneSecondGetsTheNextSecond()
    {
        Store store;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(MeasurementData()->storeMeasurement(Measurements::Pipelocating, "twice", MeasInfoStructure{}), 0);
        const QStringList entries = store.entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.filter(QRegularExpression("^PL_\\d{8}_\\d{6}_twice$")).size(), 3);
    }

    void clipsOfTheMeasuredPointsOnly()
    {
        Store store;
        for (int p = 1; p <= 4; ++p)
            store.putClip(QString("PP_Sound_%1.wav").arg(p), "clip " + QByteArray::number(p));
        MeasInfoStructure info{};
        for (int p : {1, 2, 3, 4}) {
            info.level[p] = 10.0f;
            info.frequency[p] = p == 3 ? 0 : 300;
        }
        QStringList before = store.entries();
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::Pinpointing, "points", info), 0);
        const QString dir = store.root() + "/" + store.added(before);
        QCOMPARE(QDir(dir).entryList(QDir::Files, QDir::Name),
                 QStringList({"PP_Sound_1.wav", "PP_Sound_2.wav", "PP_Sound_4.wav", "info.ini"}));
        QCOMPARE(store.device.read(kRoot + "/" + store.added(before) + "/PP_Sound_4.wav"), QByteArray("clip 4"));
        QVERIFY(QFileInfo::exists(store.device.hostPath(kClips + "/PP_Sound_3.wav")));

        // A level measurement without its clip is stored all the same.
        before = store.entries();
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::LevelMeasurement, "no clip", info), 0);
        QCOMPARE(QDir(store.root() + "/" + store.added(before)).entryList(QDir::Files), QStringList("info.ini"));
    }

    void failuresLeaveNothingBehind_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("warning");
        QTest::newRow("clip cannot be copied") << 0 << "clip" << "Cannot copy";
        const char* const types[] = {"level", "pinpointing", "pipe locating", "H2", "long-term"};
        for (int type = 0; type < 5; ++type)
            QTest::addRow("%s: writes fail", types[type]) << type << "writes" << "Cannot write";
        QTest::newRow("pipe locating: fsync fails") << 2 << "sync" << "Cannot write";
        QTest::newRow("level: the new folder's sync fails") << 0 << "folder sync" << "Cannot write .*did not reach";
        QTest::newRow("pinpointing: the store's sync fails") << 1 << "root sync" << "Cannot sync";
        QTest::newRow("H2: full card") << 3 << "full" << "Cannot write";
        QTest::newRow("long-term: full card") << 4 << "full" << "Cannot write";
    }
    void failuresLeaveNothingBehind()
    {
        QFETCH(int, type);
        QFETCH(QString, obstacle);
        QFETCH(QString, warning);
        Store store;
        std::unique_ptr<FailingCard> card;
        if (obstacle == "clip") {
            // A directory where the clip should be.
            QVERIFY(QDir().mkpath(store.device.hostPath(kClips + "/LE_sound.wav")));
        } else if (obstacle.endsWith("folder sync") || obstacle == "root sync") {
            const QString folder = obstacle == "root sync" ? store.root() : Measurements::stagingDirectory();
            card = std::make_unique<FailingCard>(FailingCard::FolderSyncFails, folder);
            QVERIFY(card->fail());
        } else {
            card = std::make_unique<FailingCard>(obstacle == "full" ? FailingCard::Full
                                                     : obstacle == "sync" ? FailingCard::SyncFails
                                                                          : FailingCard::WritesFail,
                                                 store.root());
            if (!card->isPossible())
                QSKIP("no file system can be mounted here");
            QVERIFY(card->fail());
        }
        const QStringList before = store.entries();
        DialogDriver driver;
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^" + warning));
        TestSupport::expectMessage(QtWarningMsg, "Measurement could not be stored");
        // A whole series is more than the full card's last page.
        MeasInfoStructure record = sampleRecord(1);
        if (obstacle == "full")
            record.arrayCnt = MeasInfoStructure::kArraySize;
        QCOMPARE(MeasurementData()->storeMeasurement(type, "x", record), -1);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages().first().icon, 2);
        QCOMPARE(driver.messages().first().headline, QString("Error"));
        QCOMPARE(driver.messages().first().text, QString("Measurement could not be stored."));
        QCOMPARE(store.entries(), before);
    }

    // Listed means on the card: the clip and the folder are synced before the folder takes
    // its name, and the name with the store after it.
    void storeReachesTheCardBeforeItIsListed()
    {
        Store store;
        store.putClip("LE_sound.wav", QByteArray(4000, 'w'));
        FailingCard journal(FailingCard::Journal, store.root());
        QVERIFY(journal.fail());
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::LevelMeasurement, "x", MeasInfoStructure{}), 0);
        const QStringList order = {"^sync \\.storing/LE_sound\\.wav$", "^sync \\.storing/$",
                                   "^rename \\.storing -> LE_\\d{8}_\\d{6}_x$", "^sync \\./$"};
        QVERIFY2(journal.firstMissing(order) < 0, qPrintable(journal.journal().join('\n')));
    }

    // A write cut off before its rename leaves its staged copy beside the information file;
    // the next start removes such copies, and nothing else that stands beside it or lies
    // where a link in the store points.
    void cutOffWritesRemovedAtStart()
    {
        Store store;
        const QString folder = kRoot + "/LE_20240301_120000_x/";
        QVERIFY(store.device.write(folder + "info.ini", "[Measurementinfo]\n"));
        const QStringList leftovers = {folder + ".info.ini.AbCdEf", folder + ".info.ini.Zz9y8X",
                                       kRoot + "/PS_20240301_120000_p/.info.ini.qSmIPp"};
        // A user's copies, of any name, and what an earlier build's writer left: no one can
        // tell these apart.
        const QStringList others
            = {folder + ".info.ini.AbCdE", folder + ".info.ini.AbCdEfG", folder + ".info.ini.Ab-dEf",
               folder + "info.ini.AbCdEf", folder + "info.ini.backup", folder + "info.ini.before",
               folder + ".LE_sound.wav.AbCdEf", "/outside/.info.ini.AbCdEf", kRoot + "/.storing/.info.ini.AbCdEf"};
        for (const QString& name : leftovers + others)
            QVERIFY(store.device.write(name, "[Measurementinfo]\nMeasurementna"));
        QVERIFY(QFile::link(store.device.hostPath("/outside"), store.device.hostPath(kRoot + "/LE_20240301_120000_l")));
        const QString link = store.device.hostPath(folder + ".info.ini.link01");
        QVERIFY(QFile::link(store.device.hostPath(folder + "info.ini"), link));
        QVERIFY(QDir().mkpath(store.device.hostPath(folder + ".info.ini.dir001")));
        store.menu.reset();
        store.menu.reset(new MainMenu);
        for (const QString& name : leftovers)
            QVERIFY2(!QFileInfo::exists(store.device.hostPath(name)), qPrintable(name));
        for (const QString& name : others)
            QVERIFY2(QFileInfo::exists(store.device.hostPath(name)), qPrintable(name));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo(store.device.hostPath(folder + ".info.ini.dir001")).isDir());
        QCOMPARE(store.device.read(folder + "info.ini"), QByteArray("[Measurementinfo]\n"));
    }

    // The drafts of the information file stay in memory: a temporary folder that takes
    // nothing costs no save, and none leaves anything there.
    void storesWhateverTheTemporaryFolder_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("failure");
        QTest::newRow("level: full") << 0 << int(FailingCard::Full);
        QTest::newRow("level: read-only") << 0 << int(FailingCard::ReadOnly);
        QTest::newRow("H2: full") << 3 << int(FailingCard::Full);
        QTest::newRow("H2: writes fail") << 3 << int(FailingCard::WritesFail);
    }
    void storesWhateverTheTemporaryFolder()
    {
        QFETCH(int, type);
        QFETCH(int, failure);
        Store store;
        store.putClip("LE_sound.wav", "a clip");
        const QString temporary = store.device.hostPath("/tmp");
        QVERIFY(QDir().mkpath(temporary));
        const TestSupport::ScopedEnvironment temporaryFolder("TMPDIR", QFile::encodeName(temporary));
        FailingCard card(FailingCard::Failure(failure), temporary);
        if (!card.isPossible())
            QSKIP("no file system can be mounted here");
        QVERIFY(card.fail());
        const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        const QStringList inTemporary = QDir(temporary).entryList(all);
        const QStringList before = store.entries();
        DialogDriver driver;
        QCOMPARE(MeasurementData()->storeMeasurement(type, "x", sampleRecord(1)), 0);
        QCOMPARE(driver.messages().size(), 0);
        const QString entry = store.added(before);
        QCOMPARE(QSettings(store.root() + "/" + entry + "/info.ini", QSettings::IniFormat)
                     .value("Measurementinfo/Measurementname").toString(), QString("x"));
        QCOMPARE(QDir(temporary).entryList(all), inTemporary);
    }

    void leftoverStagingIsIgnoredThenRemoved_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("half a store") << "directory";
        QTest::newRow("a file in its place") << "file";
        QTest::newRow("a dangling link in its place") << "link";
    }
    void leftoverStagingIsIgnoredThenRemoved()
    {
        QFETCH(QString, kind);
        Store store;
        if (kind == "directory")
            store.device.write(kRoot + "/.storing/info.ini", "[Measurementinfo]\nMeasurementty");
        else if (kind == "file")
            store.device.write(kRoot + "/.storing", "in the way");
        else
            QVERIFY(QFile::link(store.device.hostPath(kRoot + "/gone"), store.device.hostPath(kRoot + "/.storing")));
        store.addEntries(1);
        QCOMPARE(MeasurementData()->getNumMeasurements(), 1);
        QCOMPARE(MeasurementData()->getMeasurementList(), QStringList("LE_0"));
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::Longterm, "next", MeasInfoStructure{}), 0);
        QCOMPARE(store.entries().size(), 2);
        QVERIFY(!QFileInfo(Measurements::stagingDirectory()).exists());
        QVERIFY(!QFileInfo(Measurements::stagingDirectory()).isSymLink());
    }

    void copyIsTheClipJustRecorded()
    {
        Store store;
        store.putClip("LE_sound.wav", "an older clip");
        Audioworker()->startAudioRecording();
        store.menu->muteAudioPath(false, false);
        QTRY_VERIFY(Audioworker()->recordedBytesSinceResume() > 32000);
        store.menu->muteAudioPath(true, false);
        QCOMPARE(Audioworker()->storeAudioData("LE_sound"), 0);
        const QByteArray clip = store.device.read(kClips + "/LE_sound.wav");
        QVERIFY(clip.size() > 32044);
        const QStringList before = store.entries();
        QCOMPARE(MeasurementData()->storeMeasurement(Measurements::LevelMeasurement, "sound", MeasInfoStructure{}), 0);
        QVERIFY(store.device.read(kRoot + "/" + store.added(before) + "/LE_sound.wav") == clip);
        Audioworker()->stopAudioRecording();
    }
};

QTEST_MAIN(TestMeasurements)
#include "tst_measurements.moc"
