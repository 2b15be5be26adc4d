// The staged writer: what it replaces and what it leaves beside the file, and the bytes the
// framework's settings class writes, from drafts that never reach a folder.
#include "Tools/durablefile.h"
#include "Tools/inifile.h"
#include "Tools/measurements.h"
#include "failingcard.h"
#include "testsupport.h"

#include <QDateTime>
#include <QProcess>
#include <QRect>
#include <QSettings>
#include <QtTest>

#include <cmath>
#include <memory>

#include <sys/stat.h>

namespace {

const QByteArray kByteOrderMark("\xef\xbb\xbf");
// Set in the environment of the child that renames a measurement until it is killed; the
// file it writes is in the second variable.
const char* const kWritingChild = "TK9400_TEST_WRITING_CHILD";
const char* const kWrittenFile = "TK9400_TEST_WRITTEN_FILE";

int writeUntilKilled(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString path = qEnvironmentVariable(kWrittenFile);
    for (int n = 0;; ++n) {
        if (!writeSettingsFileDurably(path, 64 * 1024, [n](QSettings& ini) {
                ini.setValue("Measurementinfo/Measurementname", QString::number(n));
            }))
            return 1;
    }
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    if (bytes.isNull())
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The file as the settings class itself leaves it: the same old file, the same fill.
QByteArray writtenBySettingsClass(const QString& dir, const QByteArray& old,
                                  const std::function<void(QSettings&)>& fill)
{
    const QString path = dir + "/reference.ini";
    put(path, old);
    {
        QSettings settings(path, QSettings::IniFormat);
        fill(settings);
    }
    const QByteArray written = readAll(path);
    QFile::remove(path);
    return written;
}

// An information file as a previous build left it.
QByteArray levelFile()
{
    return "[Measurementinfo]\nMeasurementtype=Levelmeasurement\nMeasurementname=Main street\n"
           "Measurementdate=02.01.2020\nMeasurementtime=03:04:05\nFirmwareversion=1.8.0\n\n"
           "[Levels]\nLevel=43.125\nFrequency=440\n\n[GPS-Positions]\nGPS-Position=\"51.123456, 7.654321\"\n\n"
           "[Gains]\nMicrophone-Gain=3\nHeadphone-Gain=8\n\n"
           "[Filter]\nFiltertype=Bandpass\nLowCutOff-Frequency=160\nHighCutOff-Frequency=1250\n\n"
           "[FFT]\nSamplerate=16000\nFFT-Size=2\nFFT-Values=\"1.5; 1e-06; \"\n";
}

MeasInfoStructure sampleRecord()
{
    MeasInfoStructure info{};
    for (int p = 0; p <= 10; ++p) {
        info.level[p] = 40.0f + p;
        info.frequency[p] = 100 * p;
        info.posLat[p] = 51.0 + p / 1000.0;
        info.posLong[p] = -7.5 - p / 1000.0;
    }
    info.array[0] = 12.3f;
    info.array[1] = std::nanf("");
    info.arrayCnt = 2;
    info.arrayInfoParameter_1 = 7;
    info.arrayInfoParameter_2 = -9;
    info.filterType = 2;
    info.filterLowCutOff = 160;
    info.filterHighCutOff = 4000000000u;
    info.sampleRate = 8000;
    info.fftSize = 3;
    info.fft[0] = -0.0f;
    info.fft[1] = 2.5e-7f;
    info.fft[2] = 987654321.0f;
    return info;
}

} // namespace

Q_DECLARE_METATYPE(std::function<void(QSettings&)>)

class TestDurableFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    // The stored views, PCs and older builds read these files: every byte is the one the
    // settings class would have written, the file in place read as it reads it.
    void writesWhatTheSettingsClassWrites_data()
    {
        using Fill = std::function<void(QSettings&)>;
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<Fill>("fill");
        const Fill rename = [](QSettings& ini) {
            ini.setValue("Measurementinfo/Measurementname", QString::fromUtf8("Straße 3, Ecke \"Süd\""));
        };
        QTest::newRow("new file, measurement info") << QByteArray() << Fill([](QSettings& ini) {
            Measurements::writeMeasurementInfo(ini, "H2-Sensor", " x ");
        });
        QTest::newRow("pressure save") << QByteArray() << Fill([](QSettings& ini) {
            Measurements::writeMeasurementInfo(ini, "Pressuresensor", "P1");
            ini.beginGroup("GPS-Positions");
            ini.setValue("GPS-Position", Measurements::positionText(51.5, -0.25));
            ini.endGroup();
            ini.beginGroup("Pressuresensor");
            ini.setValue("Sensor", "16.0 bar");
            ini.setValue("MinCalibrationValue", 512);
            ini.setValue("MaxCalibrationValue", -1);
            ini.endGroup();
        });
        QTest::newRow("rename of a stored file") << levelFile() << rename;
        QTest::newRow("rename of a file with a byte-order mark")
            << kByteOrderMark + levelFile().replace("Main street", "Stra\xc3\x9f" "e") << rename;
        QTest::newRow("rename of a file holding NaN")
            << QByteArray("[Levels]\nLevel=@Variant(\\0\\0\\0\\x87\\x7f\\xc0\\0\\0)\nLevel_2=nan\n") << rename;
        QTest::newRow("rename of a PC's file") << QByteArray(
            "; notes\r\ntop=1\r\n[General]\r\nnext = \"a; b\" , c ; comment\r\n[Zeta]\r\nb=2\r\nb=3\r\na=1\r\n"
            "not a key\r\n[%General]\r\ng=1\r\n[a%2Fb]\r\nc=@ByteArray(xy)\r\n[Measurementinfo]\r\n"
            "Measurementname=old\r\n[Zeta]\r\nc=\"quoted\"\r\n") << rename;
        QTest::newRow("hard values") << QByteArray() << Fill([](QSettings& ini) {
            ini.beginGroup("Values");
            ini.setValue("at", "@Hydrant");
            ini.setValue("variant", "@Variant(1)");
            ini.setValue("quotes", "say \"x\"");
            ini.setValue("comma", "a,b");
            ini.setValue("equals", "a=b");
            ini.setValue("semicolon", "a;b");
            ini.setValue("blanks", "  x  ");
            ini.setValue("backslash", "C:\\x");
            ini.setValue("non-ASCII", QString::fromUtf8("Ærø1 Москва f 東京 \xf0\x9f\x92\xa7" "a"));
            ini.setValue("empty", "");
            ini.setValue("controls", QString("a\tb\nc\rd\x01" "e\x7f") + QChar(0) + "1");
            ini.setValue("NaN", std::nan(""));
            ini.setValue("float", 1.5f);
            ini.setValue("double", 0.1);
            ini.setValue("bool", true);
            ini.setValue("unsigned", 4000000000u);
            ini.setValue("long", Q_INT64_C(-9000000000));
            ini.setValue("list", QStringList({"a", " b", "@c"}));
            ini.setValue("list of one", QStringList({"a"}));
            ini.setValue("empty list", QStringList());
            ini.setValue("variants", QVariantList({1, "two"}));
            ini.setValue("bytes", QByteArray("x\0\xff", 3));
            ini.setValue("time", QDateTime(QDate(2024, 3, 15), QTime(14, 25, 30), Qt::UTC));
            ini.setValue("rect", QRect(1, 2, 3, 4));
            ini.setValue("invalid", QVariant());
            ini.endGroup();
            ini.setValue("General/x", 1);
            ini.setValue("top", 2);
            ini.setValue(QString::fromUtf8("Grüße/ä ö"), 3);
        });
    }
    void writesWhatTheSettingsClassWrites()
    {
        QFETCH(QByteArray, old);
        QFETCH(std::function<void(QSettings&)>, fill);
        QTemporaryDir dir;
        const QString path = dir.filePath("info.ini");
        put(path, old);
        QString error;
        QVERIFY2(writeSettingsFileDurably(path, 64 * 1024, fill, &error), qPrintable(error));
        // The settings class drops the mark and leaves UTF-8 that its next read takes for
        // Latin-1; the mark stays here.
        const QByteArray mark = old.startsWith(kByteOrderMark) ? kByteOrderMark : QByteArray();
        QCOMPARE(readAll(path), mark + writtenBySettingsClass(dir.path(), old, fill));
        QCOMPARE(entries(dir.path()), QStringList("info.ini"));
    }

    // Killed in the middle of its writes, the writer leaves the file and nothing else for
    // good: no draft in the temporary folder, and a new file it had staged beside the target
    // goes with the next write; a link or folder of that name, or another name, stays.
    void aKillLeavesNoDraft()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath("store");
        const QString temporary = dir.filePath("tmp");
        QVERIFY(QDir().mkpath(store) && QDir().mkpath(temporary));
        const QString path = store + "/info.ini";
        put(path, levelFile());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kWritingChild, "1");
        environment.insert(kWrittenFile, path);
        environment.insert("TMPDIR", temporary);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        const auto written = [&path] {
            return IniFile::parse(readAll(path)).value("Measurementinfo/Measurementname").toInt();
        };
        QTRY_VERIFY_WITH_TIMEOUT(written() > 20, TestSupport::timeBound(10000));
        child.kill();
        QVERIFY(child.waitForFinished(TestSupport::timeBound(5000)));
        QCOMPARE(entries(temporary), QStringList());
        QCOMPARE(IniFile::parse(readAll(path)).value("Levels/Level"), QString("43.125"));

        const QString staged = store + "/.info.ini.";
        put(staged + "AbCd3f", "cut off");
        QVERIFY(QFile::link(path, staged + "link01"));
        QVERIFY(QDir().mkpath(staged + "dir001"));
        put(staged + "AbCd3", "another name");
        // Copies a user keeps beside the file, and what an earlier build's writer left: the
        // writer cannot tell them apart.
        put(path + ".backup", "a user's copy");
        put(path + ".AbCd3f", "an earlier build's or a user's");
        QVERIFY(writeSettingsFileDurably(path, 64 * 1024, [](QSettings& ini) {
            ini.setValue("Measurementinfo/Measurementname", QStringLiteral("next"));
        }));
        QCOMPARE(entries(store), QStringList({".info.ini.AbCd3", ".info.ini.dir001", ".info.ini.link01", "info.ini",
                                              "info.ini.AbCd3f", "info.ini.backup"}));
        QCOMPARE(IniFile::parse(readAll(path)).value("Measurementinfo/Measurementname"), QString("next"));
    }

    // What stands at the name: a link is followed to its file, which is replaced where it
    // lies, keeps its access, and counts as written only once its own folder is synced; a
    // directory is refused; a FIFO is replaced, never opened.
    void whatStandsAtTheName_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("written");
        QTest::newRow("file of its own access") << "file" << true;
        QTest::newRow("link to a file in another folder") << "link" << true;
        QTest::newRow("link into a folder whose sync fails") << "link, sync fails" << false;
        QTest::newRow("directory") << "directory" << false;
        QTest::newRow("FIFO") << "fifo" << true;
    }
    void whatStandsAtTheName()
    {
        QFETCH(QString, obstacle);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        const QString elsewhere = dir.filePath("kept");
        QVERIFY(QDir().mkpath(elsewhere));
        const bool link = obstacle.startsWith("link");
        const QString file = link ? elsewhere + "/settings.ini" : path;
        std::unique_ptr<FailingCard> card;
        if (obstacle == "directory") {
            QVERIFY(QDir().mkpath(path));
        } else if (obstacle == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            put(file, "old");
            QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0640), 0);
            if (link)
                QVERIFY(QFile::link(file, path));
            if (obstacle.endsWith("fails")) {
                card = std::make_unique<FailingCard>(FailingCard::FolderSyncFails, elsewhere);
                QVERIFY(card->fail());
            }
        }
        QString error;
        QCOMPARE(writeFileDurably(path, "new", &error), written);
        card.reset();
        QCOMPARE(entries(elsewhere), link ? QStringList("settings.ini") : QStringList());
        QCOMPARE(entries(dir.path()), QStringList({"kept", "settings.ini"}));
        if (obstacle == "directory") {
            QVERIFY(QFileInfo(path).isDir());
            QVERIFY2(error.contains("directory"), qPrintable(error));
            return;
        }
        QCOMPARE(QFileInfo(path).isSymLink(), link);
        // Where only the folder's sync failed the new file stands, as the caller is told.
        QCOMPARE(readAll(file), QByteArray("new"));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QVERIFY(S_ISREG(st.st_mode));
        if (obstacle != "fifo")
            QCOMPARE(st.st_mode & 0777, mode_t(0640));
    }

    // The writers of the five kinds as they fill their files: the settings class writes the
    // same bytes for what it reads from them.
    void informationFilesOfEveryKind_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 0; type <= Measurements::Longterm; ++type)
            QTest::addRow("%d", type) << type;
    }
    void informationFilesOfEveryKind()
    {
        QFETCH(int, type);
        QTemporaryDir dir;
        const QString path = dir.filePath("info.ini");
        using Writer = int (Measurements::*)(QString, QString, MeasInfoStructure);
        const Writer writers[] = {&Measurements::storeInfoFileLevelmeasurement, &Measurements::storeInfoFilePinpointing,
                                  &Measurements::storeInfoFilePipelocating, &Measurements::storeInfoFileH2Sensor,
                                  &Measurements::storeInfoFileLongtermmeasurement};
        QCOMPARE((MeasurementData()->*writers[type])(path, QString::fromUtf8(" Straße, 3 "), sampleRecord()), 0);
        const QSettings stored(path, QSettings::IniFormat);
        const QByteArray expected = writtenBySettingsClass(dir.path(), QByteArray(), [&stored](QSettings& ini) {
            for (const QString& key : stored.allKeys())
                ini.setValue(key, stored.value(key));
        });
        QCOMPARE(readAll(path), expected);
    }
};

TK9400_TEST_MAIN_WITH_CHILD(QCoreApplication, TestDurableFile, kWritingChild, writeUntilKilled)
#include "tst_durablefile.moc"
