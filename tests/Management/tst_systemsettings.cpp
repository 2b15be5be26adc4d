#include "Management/systemsettings.h"
#include "failingcard.h"
#include "globals.h"
#include "testsupport.h"

#include <QSettings>
#include <sys/stat.h>
#include <QtTest>

using TestSupport::DeviceRoot;

namespace {
const char* const kFile = "/home/root/settings.ini";

QStringList keysInFileOrder(const QByteArray& ini)
{
    QStringList keys;
    for (const QPair<QString, QString>& entry : TestSupport::iniEntries(ini))
        keys.append(entry.first);
    return keys;
}
} // namespace

class TestSystemsettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void firstStartWritesDefaults()
    {
        DeviceRoot device;
        g_debugFeatures = 1;
        Systemsettings settings;
        QVERIFY(TestSupport::logged("File für Systemeinstellungen mit Defaultwerten erzeugen"));
        const QByteArray ini = device.read(kFile);
        const QStringList keys = keysInFileOrder(ini);
        QCOMPARE(keys.size(), 42);
        QCOMPARE(keys.first(), QString("Bluetooth/Headphone_Name"));
        QCOMPARE(keys.at(4), QString("Debug/Debugfeatures"));
        QCOMPARE(keys.at(5), QString("Local-Settings/Language"));
        QCOMPARE(keys.at(12), QString("Systemsettings/Switchmode"));
        QCOMPARE(keys.at(19), QString("Dialogconfiguration/LevelMeasurement_ShowFft"));
        QCOMPARE(keys.last(), QString("Dialogconfiguration/Startup_UseGpsForStartup"));

        QSettings file(device.hostPath(kFile), QSettings::IniFormat);
        QCOMPARE(file.value("Debug/Debugfeatures").toInt(), 0);
        QCOMPARE(file.value("Local-Settings/Language").toInt(), 1);
        QCOMPARE(file.value("Local-Settings/Timezone").toString(), QString("Berlin (+1 h)"));
        QCOMPARE(file.value("Local-Settings/TimezoneNum").toInt(), 13);
        QCOMPARE(file.value("Local-Settings/TimezoneOffset").toInt(), 3600);
        QCOMPARE(file.value("Systemsettings/FavouriteButton").toInt(), 2);
        QCOMPARE(file.value("Systemsettings/Brightness").toInt(), 6);
        QCOMPARE(file.value("Systemsettings/PowerOffTime").toInt(), 3600);
        QCOMPARE(file.value("Systemsettings/DisplayOffTime").toInt(), 600);
        QCOMPARE(file.value("Dialogconfiguration/Startup_UseGpsForStartup").toString(), QString("true"));

        QCOMPARE(g_debugFeatures, 0);
        QCOMPARE(settings.getSelectedLanguageNum(), 1);
        QCOMPARE(settings.getDateTimeSource(), QString("GPS"));
        QVERIFY(settings.isMuteKeySwitchmode());
        QVERIFY(settings.isSUUseGpsForStartupEnabled());
        QVERIFY(settings.isShowFftEnabled());
        QVERIFY(!settings.isH2ShowGridEnabled());
    }

    void partialFileLeavesOtherValuesEmpty()
    {
        DeviceRoot device;
        device.write(kFile, "[Local-Settings]\nLanguage=3\n");
        Systemsettings settings;
        QCOMPARE(settings.getSelectedLanguageNum(), 3);
        QCOMPARE(settings.getPowerOffTime(), 0);
        QCOMPARE(settings.getBrightness(), 0);
        QCOMPARE(settings.getBtIdMicrophone(), QString());
        QVERIFY(!settings.isSUUseGpsForStartupEnabled());
        QVERIFY(!settings.isMuteKeySwitchmode());
        QCOMPARE(settings.getDaylightSavingTimeOffet(), 0);
        // ...but the backlight never goes dark for want of a brightness.
        QCOMPARE(settings.getBacklightBrightness(), 6);
        // The file is not rewritten by reading it.
        QCOMPARE(device.read(kFile), QByteArray("[Local-Settings]\nLanguage=3\n"));
    }

    void daylightSavingOffset_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("offset");
        QTest::newRow("summer") << 1 << 3600;
        QTest::newRow("winter") << 0 << 0;
        QTest::newRow("2") << 2 << 0;
        QTest::newRow("-1") << -1 << 0;
    }
    void daylightSavingOffset()
    {
        QFETCH(int, stored);
        QFETCH(int, offset);
        DeviceRoot device;
        device.write(kFile, "[Local-Settings]\nDaylightSavingTime=" + QByteArray::number(stored) + "\n");
        Systemsettings settings;
        QCOMPARE(settings.getDaylightSavingTimeOffet(), offset);
    }

    void trimsOnReadAndStore()
    {
        DeviceRoot device;
        device.write(kFile, "[Bluetooth]\nHeadphone_Name=\"  Phones  \"\nMicrophone_ID=\" 00:07:80:12:AB:cd \"\n"
                            "[Systemsettings]\nSwitchmode=\" Switch\"\n");
        Systemsettings settings;
        QCOMPARE(settings.getBtNameHeadphone(), QString("Phones"));
        QCOMPARE(settings.getBtIdMicrophone(), QString("00:07:80:12:AB:cd"));
        QVERIFY(!settings.isMuteKeySwitchmode());
        settings.storeSystemsettings();
        settings.loadSystemsettings();
        QVERIFY(settings.isMuteKeySwitchmode());
    }

    void malformedBtAddressIsNotUsed_data()
    {
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("command injection") << QByteArray("\"00:07:80:12:34:56 1101 RFCOMM\\nRESET\"");
        QTest::newRow("too short") << QByteArray("00:07:80:12:34");
        QTest::newRow("not hex") << QByteArray("00:07:80:12:34:zz");
    }
    void malformedBtAddressIsNotUsed()
    {
        QFETCH(QByteArray, address);
        DeviceRoot device;
        device.write(kFile, "[Bluetooth]\nHeadphone_ID=" + address + "\n");
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("malformed Bluetooth address"));
        Systemsettings settings;
        QCOMPARE(settings.getBtIdHeadphone(), QString());
    }

    void valuesSurviveStoreAndLoad()
    {
        DeviceRoot device;
        Systemsettings settings;
        device.write(kFile, "[Local-Settings]\nTimezone=\"\\x6771\\x4eac (+9 h)\"\n[Bluetooth]\nMicrophone_Name=\"a;b,c=d\\\"e\"\n");
        settings.loadSystemsettings();
        const QString zone = settings.getTimezoneName();
        QCOMPARE(zone, QString::fromUtf8("東京 (+9 h)"));
        settings.storeSystemsettings();
        settings.loadSystemsettings();
        QCOMPARE(settings.getTimezoneName(), zone);
        QCOMPARE(settings.getBtNameMicrophone(), QString("a;b,c=d\"e"));
        // A new file is renamed over the old one; nothing is left beside it.
        QCOMPARE(QDir(device.hostPath("/home/root")).entryList({"settings*"}, QDir::Files | QDir::Hidden),
                 QStringList({"settings.ini"}));
    }

    // Text beside digits and a-f after an escaped character, through our writer and the
    // framework's reader, and the framework's writer and our reader.
    void textRoundTripsWithTheFramework_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("latin") << QString::fromUtf8("Café1 Écoute 2 ñ0a");
        QTest::newRow("cyrillic") << QString::fromUtf8("Москва3 Ёлкаf Жb");
        QTest::newRow("cjk") << QString::fromUtf8("東京9 北京Ab 大阪 e");
        QTest::newRow("digits after a quote") << QString::fromUtf8("ü\"1 x;y");
        // The framework doubles a leading "@": its typed values begin with one.
        QTest::newRow("leading @") << QString("@Hydrant");
        QTest::newRow("leading @@") << QString("@@x");
        QTest::newRow("@ as a variant") << QString("@Variant(1)");
        QTest::newRow("@ as bytes") << QString("@ByteArray(x)");
        QTest::newRow("inner @") << QString("a@b");
        // Written as \t, \a, \0 (the text then as "@String(...)") and \x escapes.
        QTest::newRow("control characters inside") << QString("a\tb\ac") + QChar(0) + "1\x7f" "d";
    }
    void textRoundTripsWithTheFramework()
    {
        QFETCH(QString, text);
        DeviceRoot device;
        Systemsettings settings;
        const QString path = Systemsettings::settingsFilePath();
        {
            QSettings framework(path, QSettings::IniFormat);
            framework.setValue("Bluetooth/Headphone_Name", text);
        }
        settings.loadSystemsettings();
        QCOMPARE(settings.getBtNameHeadphone(), text);
        settings.storeSystemsettings();
        settings.loadSystemsettings();
        QCOMPARE(settings.getBtNameHeadphone(), text);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("Bluetooth/Headphone_Name").toString(), text);
    }

    // Values that reach module commands, the backlight and the clock are corrected at load
    // and written back; a missing brightness is no error.
    void hostileValuesAreCorrected_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("volume offset high") << QByteArray("Systemsettings") << QByteArray("HeadphoneVolumeOffset")
                                            << QByteArray("1000") << 10;
        QTest::newRow("volume offset INT_MIN") << QByteArray("Systemsettings") << QByteArray("HeadphoneVolumeOffset")
                                               << QByteArray("-2147483648") << -4;
        QTest::newRow("brightness INT_MAX") << QByteArray("Systemsettings") << QByteArray("Brightness")
                                            << QByteArray("2147483647") << 7;
        QTest::newRow("brightness negative") << QByteArray("Systemsettings") << QByteArray("Brightness")
                                             << QByteArray("-3") << 1;
        QTest::newRow("offset beside zone 15") << QByteArray("Local-Settings") << QByteArray("TimezoneOffset")
                                              << QByteArray("2147483647\nTimezoneNum=15") << 10800;
        QTest::newRow("offset, no zone") << QByteArray("Local-Settings") << QByteArray("TimezoneOffset")
                                        << QByteArray("-2147483648\nTimezoneNum=99") << 0;
    }
    void hostileValuesAreCorrected()
    {
        QFETCH(QByteArray, group);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, stored);
        QFETCH(int, loaded);
        DeviceRoot device;
        device.write(kFile, "[" + group + "]\n" + key + "=" + stored + "\n");
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("out-of-range " + QString(key)));
        Systemsettings settings;
        const int value = key == "Brightness" ? settings.getBrightness()
            : key == "TimezoneOffset"          ? settings.getTimezoneOffset()
                                               : settings.getHeadphoneVolumeOffset();
        QCOMPARE(value, loaded);
        QCOMPARE(QSettings(Systemsettings::settingsFilePath(), QSettings::IniFormat).value(group + "/" + key).toInt(),
                 loaded);
    }

    void unreadableFilesAreReplaced()
    {
        DeviceRoot device;
        const QByteArray fifo = QFile::encodeName(device.hostPath("/fifo"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QVERIFY(QFile::link(device.hostPath("/fifo"), device.hostPath(kFile)));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("Not a regular file"));
        Systemsettings settings; // neither hangs on the FIFO nor writes through the link
        QCOMPARE(settings.getSelectedLanguageNum(), 1);
        QVERIFY(!QFileInfo(device.hostPath(kFile)).isSymLink());
        QVERIFY(QFileInfo(device.hostPath(kFile)).size() > 0);
        QVERIFY(QFileInfo(device.hostPath("/fifo")).size() == 0);

        QFile::remove(device.hostPath(kFile));
        device.write(kFile, QByteArray(1024 * 1024, '#'));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("File larger than"));
        Systemsettings fresh;
        QCOMPARE(fresh.getSelectedLanguageNum(), 1);
        QVERIFY(device.read(kFile).size() < 4096);
    }

    void failedWriteKeepsTheOldFile()
    {
        DeviceRoot device;
        Systemsettings settings;
        const QByteArray before = device.read(kFile);
        FailingCard card(FailingCard::WritesFail, device.hostPath("/home/root"));
        QVERIFY(card.fail());
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write settings file:"));
        QVERIFY(!settings.storeSystemsettings());
        QVERIFY(before.size() > FailingCard::kWrittenBytes);
        QCOMPARE(device.read(kFile), before);

        // A first start whose defaults cannot be written runs on the defaults, not on the
        // empty values of a file that is not there.
        QVERIFY(device.remove(kFile));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write settings file:"));
        Systemsettings first;
        QVERIFY(!QFileInfo::exists(device.hostPath(kFile)));
        QCOMPARE(first.getSelectedLanguageNum(), 1);
        QCOMPARE(first.getSwitchmode(), QString("Switch"));
        QCOMPARE(first.getTimezoneOffset(), 3600);
        QVERIFY(first.isSUUseGpsForStartupEnabled());
    }

    // Each flag alone on, and alone off, through store and load: a swapped key or getter
    // shows here even between two flags whose defaults agree.
    void customisationFlagsEachOnItsOwnKey()
    {
        using Getter = bool (Systemsettings::*)() const;
        const QList<QPair<const char*, Getter>> flags = {
            {"LevelMeasurement_ShowFft", &Systemsettings::isShowFftEnabled},
            {"LevelMeasurement_ShowFrequencyValue", &Systemsettings::isShowFrequencyValueEnabled},
            {"LevelMeasurement_UseFrequencyColorForLevelbar", &Systemsettings::isUseFrequColorForBarEnabled},
            {"LevelMeasurement_ShowPeakLevelBar", &Systemsettings::isShowPeakLevelBarEnabled},
            {"Pinpointing_ShowFrequencyValue", &Systemsettings::isPPShowFrequencyValueEnabled},
            {"Pinpointing_UseFrequencyColorForLevelbar", &Systemsettings::isPPUseFrequColorForBarEnabled},
            {"Pinpointing_ShowFilterParameter", &Systemsettings::isPPShowFilterParameterEnabled},
            {"Pinpointing_DynamicScaling", &Systemsettings::isPPDynamicScalingEnabled},
            {"Longterm_ShowFrequencyValue", &Systemsettings::isLTShowFrequencyValueEnabled},
            {"Longterm_UseFrequencyColorForLevelbar", &Systemsettings::isLTUseFrequColorForBarEnabled},
            {"Longterm_ShowGrid", &Systemsettings::isLTShowGridEnabled},
            {"Longterm_ShowFilterParameter", &Systemsettings::isLTShowFilterParameterEnabled},
            {"H2Sensor_ShowHistogram", &Systemsettings::isH2ShowHistogramEnabled},
            {"H2Sensor_ShowGrid", &Systemsettings::isH2ShowGridEnabled},
            {"H2Sensor_DynamicScaling", &Systemsettings::isH2DynamicScalingEnabled},
            {"H2Sensor_ShowWorkingRange", &Systemsettings::isH2ShowWorkingRangeEnabled},
            {"Pipelocating_ShowFft", &Systemsettings::isPLShowFftEnabled},
            {"Pipelocating_UseFrequencyColorForLevelbar", &Systemsettings::isPLUseFrequColorForBarEnabled},
            {"Pipelocating_ShowFrequencyValue", &Systemsettings::isPLShowFrequencyValueEnabled},
            {"Pipelocating_ShowFilterParameter", &Systemsettings::isPLShowFilterParameterEnabled},
            {"Startup_UseFavouriteForStartup", &Systemsettings::isSUUseFavouriteForStartupEnabled},
            {"Startup_UseFilterForStartup", &Systemsettings::isSUUseFilterForStartupEnabled},
            {"Startup_UseGpsForStartup", &Systemsettings::isSUUseGpsForStartupEnabled},
        };
        DeviceRoot device;
        Systemsettings settings;
        for (const bool alone : {true, false}) {
            for (int i = 0; i < flags.size(); ++i) {
                QByteArray ini = "[Dialogconfiguration]\n";
                for (int k = 0; k < flags.size(); ++k)
                    ini += QByteArray(flags.at(k).first) + "=" + ((k == i) == alone ? "true" : "false") + "\n";
                device.write(kFile, ini);
                settings.loadSystemsettings();
                settings.storeSystemsettings();
                settings.loadSystemsettings();
                for (int k = 0; k < flags.size(); ++k)
                    QVERIFY2((settings.*flags.at(k).second)() == ((k == i) == alone),
                             qPrintable(QString("%1 with %2 %3").arg(flags.at(k).first, flags.at(i).first,
                                                                     alone ? "alone on" : "alone off")));
            }
        }
    }

    void convertTimeToText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "never";
        QTest::newRow("59") << 59 << "59 s";
        QTest::newRow("60") << 60 << "1 min";
        QTest::newRow("3599") << 3599 << "59 min";
        QTest::newRow("3600") << 3600 << "1 h";
        QTest::newRow("86399") << 86399 << "23 h";
        QTest::newRow("86400") << 86400 << "---";
        QTest::newRow("-5") << -5 << "---";
    }
    void convertTimeToText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        DeviceRoot device;
        Systemsettings settings;
        QCOMPARE(settings.convertTimeToText(seconds), text);
    }

    void favouriteButton()
    {
        DeviceRoot device;
        Systemsettings settings;
        QCOMPARE(settings.setFavouriteButton(6), -1);
        QCOMPARE(settings.getFavouriteButton(nullptr), 2);
        QCOMPARE(settings.setFavouriteButton(0), 0);
        QCOMPARE(QSettings(device.hostPath(kFile), QSettings::IniFormat).value("Systemsettings/FavouriteButton").toInt(), 0);

        device.write(kFile, "[Systemsettings]\nFavouriteButton=9\n");
        settings.loadSystemsettings();
        QString text;
        QCOMPARE(settings.getFavouriteButton(&text), 2);
        QCOMPARE(text, QString("LevelMeasurement"));
        QCOMPARE(device.read(kFile), QByteArray("[Systemsettings]\nFavouriteButton=9\n"));
    }

    void formatsAndCodes()
    {
        DeviceRoot device;
        Systemsettings settings;
        QCOMPARE(settings.getFormatStringTime(), QString("hh:mm:ss"));
        QCOMPARE(settings.getFormatStringDate(), QString("dd.MM.yyyy"));
        device.write(kFile, "[Local-Settings]\nDateformat=YYYYMMDD\n");
        settings.loadSystemsettings();
        QCOMPARE(settings.getFormatStringDate(), QString("yyyy-MM-dd"));
        device.write(kFile, "[Local-Settings]\nDateformat=mmddyyyy\n");
        settings.loadSystemsettings();
        QCOMPARE(settings.getFormatStringDate(), QString("dd.MM.yyyy"));
        QCOMPARE(Systemsettings::convertDateFormatToInt("MMDDYYYY"), 2);
        QCOMPARE(Systemsettings::convertDateFormatToInt(" DDMMYYYY"), -1);
        QCOMPARE(Systemsettings::convertDateTimeSourceToInt("MAN"), 1);
        QCOMPARE(Systemsettings::convertDateTimeSourceToInt("gps"), -1);
        QCOMPARE(settings.getLanguageName(15), QString("Slovakian"));
        QCOMPARE(settings.getLanguageName(25), QString("English"));
    }

    void clearingPeersStores()
    {
        DeviceRoot device;
        device.write(kFile, "[Bluetooth]\nHeadphone_Name=Phones\nHeadphone_ID=00:07:80:00:00:01\n"
                            "Microphone_Name=Unit\nMicrophone_ID=00:07:80:00:00:02\n");
        Systemsettings settings;
        settings.clearBtHeadphone();
        QSettings file(device.hostPath(kFile), QSettings::IniFormat);
        QCOMPARE(file.value("Bluetooth/Headphone_ID").toString(), QString());
        QCOMPARE(file.value("Bluetooth/Microphone_ID").toString(), QString("00:07:80:00:00:02"));
        settings.clearBtMicrophone();
        QCOMPARE(settings.getBtNameMicrophone(), QString());
    }
};

QTEST_MAIN(TestSystemsettings)
#include "tst_systemsettings.moc"
