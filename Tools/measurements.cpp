#include "Tools/measurements.h"

#include "Hardware/bluetooth.h"
#include "Hardware/devicepaths.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Tools/durablefile.h"
#include "Tools/messagedialog.h"
#include "Tools/storedinfo.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <unistd.h>

namespace {

// Starts with a dot: matches none of the type prefixes and stays out of sight.
const char* const kStagingName = ".storing";
// A same-named measurement within the same second gets the next free second; this many
// tries are far more than the limit of stored measurements can ever need.
const int kMaxTimeSteps = 1000;

struct TypeInfo
{
    const char* prefix;
    const char* typeText;
};
const TypeInfo kTypes[] = {
    {"LE_", "Levelmeasurement"}, {"PP_", "Histogram"}, {"PL_", "Pipelocating"},
    {"H2_", "H2-Sensor"},        {"LT_", "Longtermmeasurement"},
};

QStringList nameFilters()
{
    QStringList filters;
    for (const TypeInfo& type : kTypes)
        filters << QString::fromLatin1(type.prefix) + QLatin1Char('*');
    return filters;
}

QString levelText(float level)
{
    return QString::number(level, 'f', 3);
}

// Each value followed by "; ", the last one too; the count is bounded by the array.
QString listText(const float* values, int count, char format, int precision)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString::number(values[i], format, precision) + QStringLiteral("; ");
    return text;
}

bool isForbiddenInName(QChar c)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    return c.category() == QChar::Other_Control || forbidden.contains(c);
}

} // namespace

Measurements::Measurements(QObject* parent)
    : QObject(parent)
{
}

Measurements* MeasurementData()
{
    static Measurements store(nullptr);
    return &store;
}

QString Measurements::measurementRootDevicePath()
{
    return DevicePaths::onDataPartition(QStringLiteral("meas/"));
}

QString Measurements::measurementRoot()
{
    return Platform::devicePath(measurementRootDevicePath());
}

QString Measurements::storedFilePath(const QString& directory, const QString& fileName)
{
    return Platform::devicePath(measurementRootDevicePath() + directory + QLatin1Char('/') + fileName);
}

QString Measurements::stagingDirectory()
{
    return measurementRoot() + QString::fromLatin1(kStagingName);
}

QString Measurements::cleanMeasurementName(const QString& name)
{
    QString cleaned = name.trimmed();
    for (QChar& c : cleaned) {
        if (isForbiddenInName(c))
            c = QLatin1Char('_');
    }
    // Keep whole characters (never half a surrogate pair) while the UTF-8 form fits.
    int bytes = 0;
    int keep = 0;
    while (keep < cleaned.size()) {
        const bool pair = cleaned.at(keep).isHighSurrogate() && keep + 1 < cleaned.size()
            && cleaned.at(keep + 1).isLowSurrogate();
        const uint code = pair ? QChar::surrogateToUcs4(cleaned.at(keep), cleaned.at(keep + 1)) : cleaned.at(keep).unicode();
        const int length = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        if (bytes + length > kMaxNameBytes)
            break;
        bytes += length;
        keep += pair ? 2 : 1;
    }
    cleaned.truncate(keep);
    return cleaned.trimmed();
}

QString Measurements::positionText(double latitude, double longitude)
{
    return QStringLiteral("%1, %2").arg(latitude, 0, 'f', 6).arg(longitude, 0, 'f', 6);
}

void Measurements::writeMeasurementInfo(QSettings& ini, const QString& typeText, const QString& name)
{
    const QDateTime now = Platform::currentDateTime();
    ini.beginGroup(QStringLiteral("Measurementinfo"));
    ini.setValue(QStringLiteral("Measurementtype"), typeText);
    ini.setValue(QStringLiteral("Measurementname"), name.trimmed());
    ini.setValue(QStringLiteral("Measurementdate"), now.date().toString(QStringLiteral("dd.MM.yyyy")));
    ini.setValue(QStringLiteral("Measurementtime"), now.time().toString(QStringLiteral("hh:mm:ss")));
    ini.setValue(QStringLiteral("Firmwareversion"), QString::fromLatin1(g_softwareVersion));
    ini.endGroup();
}

bool Measurements::writeInformationFile(const QString& path, const std::function<void(QSettings&)>& fill)
{
    QString error;
    if (writeSettingsFileDurably(path, StoredInfo::kMaxBytes, fill, &error))
        return true;
    qWarning() << "Cannot write" << path << error;
    return false;
}

QString Measurements::convertFilterTypeToText(int a_filterType)
{
    switch (a_filterType) {
    case 0: return QStringLiteral("NoFilter");
    case 1: return QStringLiteral("Bandpass");
    case 2: return QStringLiteral("Bandstop");
    default: return QStringLiteral("unknown");
    }
}

QStringList Measurements::listMeasurements(bool sortedByTime)
{
    const QString root = measurementRoot();
    // Without the root (partition not mounted) there is nothing to count; the entries of
    // whatever directory is current must not be taken for measurements.
    if (!QDir::setCurrent(root)) {
        qDebug() << "Measurement directory missing:" << root;
        return QStringList();
    }
    QDir dir(QDir::currentPath());
    dir.setNameFilters(nameFilters());
    dir.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    dir.setSorting(sortedByTime ? QDir::Time : QDir::Name);
    return dir.entryList();
}

int Measurements::getNumMeasurements()
{
    const int count = listMeasurements(false).size();
    qDebug() << "NumMeas:" << count;
    return count;
}

QStringList Measurements::getMeasurementList()
{
    // QDir's time sort leaves entries of equal time in no defined order; by name they are.
    const QStringList byName = listMeasurements(false);
    QList<QPair<QDateTime, QString>> entries;
    for (const QString& name : byName)
        entries.append({QFileInfo(name).lastModified(), name});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList list;
    for (const auto& entry : entries)
        list << entry.second;
    return list;
}

void Measurements::showLimitDialog(int icon, int count)
{
    const bool refused = icon == MessageDialog::IconError;
    const QString text = refused
        ? tr("NoMoreMeasurementsCanBeStored",
             "Max number of measurements reached. Measurement will not be stored. Please delete old measurements.")
        : tr("OnlyAfewMeasurementsCanBeStored", "Number of measurements near limit. Please delete old measurements.");
    int pressed = MessageDialog::NoButton;
    const int result = MessageDialog::showOk(icon, refused ? tr("Error") : tr("Warning"),
                                             text + QStringLiteral("\n(%1 / %2)").arg(count).arg(maxNumMeasurements),
                                             &pressed);
    if (result == 0) {
        if (pressed == MessageDialog::ButtonOk)
            qDebug() << (refused ? "Message Measurement Error closed" : "Message Measurement Warning closed");
        else
            qDebug() << "Ende Button Unknown";
    }
}

// Sweeps what interrupted stores (or a delete) left under the staging names and returns
// one that is free. A leftover that cannot be removed (a file, a link, a directory with
// contents the partition refuses to give up) must not block every later save, so the next
// staging name is taken; none of them matches a prefix, so nobody lists or counts them.
QString Measurements::freeStagingEntry()
{
    const int kStagingNames = 10;
    QString free;
    for (int n = 0; n < kStagingNames; ++n) {
        const QString path = n == 0 ? stagingDirectory() : stagingDirectory() + QStringLiteral("-%1").arg(n);
        const QFileInfo entry(path);
        if (entry.exists() || entry.isSymLink()) {
            if (!removeEntry(path)) {
                qWarning() << "Cannot remove the staging entry" << path;
                continue;
            }
        }
        if (free.isEmpty())
            free = path;
    }
    return free;
}

bool Measurements::removeEntry(const QString& path)
{
    const QFileInfo entry(path);
    return entry.isDir() && !entry.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
}

void Measurements::removeCutOffWrites()
{
    const QDir root(measurementRoot());
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        Platform::removeStagedLeftovers(root.filePath(folder) + QStringLiteral("/info.ini"));
}

int Measurements::refuse(const QString& staging)
{
    if (!staging.isEmpty())
        QDir(staging).removeRecursively();
    qWarning() << "Measurement could not be stored";
    MessageDialog::showOk(MessageDialog::IconError, tr("Error"), tr("MeasurementCouldNotBeStored"));
    return -1;
}

int Measurements::storeMeasurement(int a_meastype, QString a_name, MeasInfoStructure a_additionalData)
{
    const int count = getNumMeasurements();
    if (count >= warnNumMeasurements && count < maxNumMeasurements)
        showLimitDialog(MessageDialog::IconWarning, count);
    if (count >= maxNumMeasurements) {
        showLimitDialog(MessageDialog::IconError, count);
        return -1;
    }
    if (a_name.isEmpty())
        a_name = QStringLiteral("M%1").arg(count + 1);

    const QDateTime now = Platform::currentDateTime();
    m_gpsModul = MainMenu::getInstanceMainMenu() ? MainMenu::getInstanceMainMenu()->getGpsInstance() : nullptr;
    if (a_meastype < 0 || a_meastype > Longterm)
        return 0;

    const QString name = cleanMeasurementName(a_name);
    return storeDirectory(QString::fromLatin1(kTypes[a_meastype].prefix), name, now, [&](const QString& staging) {
        return writeInfoFile(a_meastype, staging + QStringLiteral("/info.ini"), name, a_additionalData) == 0
            && copyClips(a_meastype, staging, a_additionalData);
    });
}

int Measurements::storeDirectory(const QString& a_prefix, const QString& a_name, QDateTime a_time,
                                 const std::function<bool(const QString&)>& a_fill, QString* a_finalPath)
{
    const QString root = measurementRoot();
    // The store never makes the root: an unmounted partition leaves a bare mount point.
    if (!QFileInfo(root).isDir())
        return refuse();

    const QString name = cleanMeasurementName(a_name);
    QString finalPath;
    for (int step = 0;; ++step) {
        if (step == kMaxTimeSteps)
            return refuse();
        m_systemDate = a_time.date();
        m_systemTime = a_time.time();
        m_date = m_systemDate.toString(QStringLiteral("yyyyMMdd"));
        m_time = m_systemTime.toString(QStringLiteral("hhmmss"));
        finalPath = root + a_prefix + m_date + QLatin1Char('_') + m_time + QLatin1Char('_') + name;
        if (!QFileInfo::exists(finalPath))
            break;
        a_time = a_time.addSecs(1);
    }

    const QString staging = freeStagingEntry();
    if (staging.isEmpty())
        return refuse();
    if (!QDir().mkdir(staging)) {
        qWarning() << "Cannot create" << staging;
        return refuse();
    }
    if (!a_fill(staging))
        return refuse(staging);
    // Stored means on the card after a power cut: the files are synced by a_fill, their
    // entries with the folder before it takes its name, and the name with the root.
    if (!Platform::syncDirectory(staging)) {
        qWarning() << "Cannot sync" << staging;
        return refuse(staging);
    }
    if (!QDir().rename(staging, finalPath)) {
        qWarning() << "Cannot rename" << staging << "to" << finalPath;
        return refuse(staging);
    }
    if (!Platform::syncDirectory(root)) {
        qWarning() << "Cannot sync" << root << "after the rename to" << finalPath;
        // Taken out of the list again: a store that is refused is not listed either.
        return refuse(QDir().rename(finalPath, staging) ? staging : finalPath);
    }
    if (a_finalPath)
        *a_finalPath = finalPath;
    return 0;
}

bool Measurements::copyClips(int type, const QString& directory, const MeasInfoStructure& data)
{
    QStringList clips;
    if (type == LevelMeasurement) {
        clips << QStringLiteral("LE_sound.wav");
    } else if (type == Pinpointing) {
        for (int p = 1; p <= 10; ++p) {
            if (isPointWithClip(data, p))
                clips << QStringLiteral("PP_Sound_%1.wav").arg(p);
        }
    }
    const QString source = Platform::devicePath(QString::fromLatin1(DevicePaths::kClipDirectory));
    for (const QString& clip : clips) {
        const QString from = source + QLatin1Char('/') + clip;
        // A clip that was never recorded is left out; one that is there must arrive.
        if (!QFileInfo::exists(from))
            continue;
        if (!copyToDisk(from, directory + QLatin1Char('/') + clip)) {
            qWarning() << "Cannot copy" << from << "to" << directory;
            return false;
        }
    }
    return true;
}

bool Measurements::isPointWithClip(const MeasInfoStructure& data, int point)
{
    return data.level[point] > 0 && data.frequency[point] > 0;
}

bool Measurements::copyToDisk(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to))
        return false;
    QFile copy(to);
    if (copy.open(QIODevice::ReadOnly) && ::fsync(copy.handle()) == 0)
        return true;
    qWarning() << "Cannot flush" << to;
    return false;
}

int Measurements::storeInfoFileLevelmeasurement(QString a_filename, QString a_name, MeasInfoStructure a_additionalData)
{
    return writeInfoFile(LevelMeasurement, a_filename, a_name, a_additionalData);
}

int Measurements::storeInfoFilePinpointing(QString a_filename, QString a_name, MeasInfoStructure a_additionalData)
{
    return writeInfoFile(Pinpointing, a_filename, a_name, a_additionalData);
}

int Measurements::storeInfoFilePipelocating(QString a_filename, QString a_name, MeasInfoStructure a_additionalData)
{
    return writeInfoFile(Pipelocating, a_filename, a_name, a_additionalData);
}

int Measurements::storeInfoFileH2Sensor(QString a_filename, QString a_name, MeasInfoStructure a_additionalData)
{
    return writeInfoFile(H2Sensor, a_filename, a_name, a_additionalData);
}

int Measurements::storeInfoFileLongtermmeasurement(QString a_filename, QString a_name, MeasInfoStructure a_additionalData)
{
    return writeInfoFile(Longterm, a_filename, a_name, a_additionalData);
}

int Measurements::writeInfoFile(int type, const QString& filename, const QString& name, const MeasInfoStructure& data)
{
    if (type < 0 || type > Longterm)
        return -1;
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    const int micGain = menu ? menu->getMicGainStep() : 0;
    const int headphoneGain = menu && menu->getBtSourceInstance() ? menu->getBtSourceInstance()->getBtExtHeadphoneGain() : 0;
    // A page that counts past its array must not make the writer read beyond it.
    const int fftCount = qBound(0, data.fftSize, int(MeasInfoStructure::kFftSize));
    const int arrayCount = qBound(0, data.arrayCnt, int(MeasInfoStructure::kArraySize));
    const bool points = type == Pinpointing || type == Pipelocating || type == H2Sensor;

    // Floats go in as pre-formatted text: a float value would be stored as "@Variant(...)".
    const auto fill = [&](QSettings& ini) {
        writeMeasurementInfo(ini, QString::fromLatin1(kTypes[type].typeText), name);

        if (type != Longterm) {
            ini.beginGroup(QStringLiteral("Levels"));
            if (type == LevelMeasurement) {
                ini.setValue(QStringLiteral("Level"), levelText(data.level[0]));
                ini.setValue(QStringLiteral("Frequency"), data.frequency[0]);
            } else {
                for (int p = 1; p <= 10; ++p) {
                    ini.setValue(QStringLiteral("Level_%1").arg(p), levelText(data.level[p]));
                    if (type != H2Sensor)
                        ini.setValue(QStringLiteral("Frequency_%1").arg(p), data.frequency[p]);
                }
            }
            ini.endGroup();
        }

        if (type == H2Sensor || type == Longterm) {
            ini.beginGroup(QStringLiteral("Levels_CSV"));
            ini.setValue(QStringLiteral("Levels_Cnt"), arrayCount);
            if (type == H2Sensor) {
                ini.setValue(QStringLiteral("H2-ReferenceLevel"), data.arrayInfoParameter_1);
                ini.setValue(QStringLiteral("H2-MaxRange"), data.arrayInfoParameter_2);
            }
            ini.setValue(QStringLiteral("Levels_Data"), listText(data.array, arrayCount, 'f', 1));
            if (type == Longterm) {
                ini.setValue(QStringLiteral("SelectedTime"), data.arrayInfoParameter_1);
                ini.setValue(QStringLiteral("MaxVisibleData"), data.arrayInfoParameter_2);
            }
            ini.endGroup();
        }

        ini.beginGroup(QStringLiteral("GPS-Positions"));
        if (points) {
            for (int p = 1; p <= 10; ++p)
                ini.setValue(QStringLiteral("GPS-Position_%1").arg(p), positionText(data.posLat[p], data.posLong[p]));
        } else {
            const double latitude = m_gpsModul ? m_gpsModul->getLatitude() : 0.0;
            const double longitude = m_gpsModul ? m_gpsModul->getLongitude() : 0.0;
            ini.setValue(QStringLiteral("GPS-Position"), positionText(latitude, longitude));
        }
        ini.endGroup();

        ini.beginGroup(QStringLiteral("Gains"));
        ini.setValue(QStringLiteral("Microphone-Gain"), micGain);
        ini.setValue(QStringLiteral("Headphone-Gain"), headphoneGain);
        ini.endGroup();

        if (type != H2Sensor) {
            ini.beginGroup(QStringLiteral("Filter"));
            ini.setValue(QStringLiteral("Filtertype"), convertFilterTypeToText(data.filterType));
            ini.setValue(QStringLiteral("LowCutOff-Frequency"), data.filterLowCutOff);
            ini.setValue(QStringLiteral("HighCutOff-Frequency"), data.filterHighCutOff);
            ini.endGroup();
        }

        if (type == LevelMeasurement) {
            ini.beginGroup(QStringLiteral("FFT"));
            ini.setValue(QStringLiteral("Samplerate"), data.sampleRate);
            ini.setValue(QStringLiteral("FFT-Size"), fftCount);
            ini.setValue(QStringLiteral("FFT-Values"), listText(data.fft, fftCount, 'g', 6));
            ini.endGroup();
        }
    };
    return writeInformationFile(filename, fill) ? 0 : -1;
}
