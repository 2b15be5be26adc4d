#ifndef MEASUREMENTS_H
#define MEASUREMENTS_H

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>

#include <functional>

class Gps;
class QSettings;

// One measurement as a page hands it to the store. Points use indices 1 to 10 of the
// per-point arrays; index 0 is the level measurement's own value. A page value-initialises
// it (MeasInfoStructure info{};) and fills what its type stores; the writers read only that.
struct MeasInfoStructure
{
    static const int kMaxPoints = 20;
    static const int kArraySize = 2048;
    static const int kFftSize = 1024;

    int val;
    float level[kMaxPoints];
    int frequency[kMaxPoints];
    double posLat[kMaxPoints];
    double posLong[kMaxPoints];
    float array[kArraySize];
    int arrayCnt;             // valid values at the start of array
    int arrayInfoParameter_1; // H2: reference level; long-term: selected time window
    int arrayInfoParameter_2; // H2: maximum range; long-term: maximum visible values
    int filterType;           // 0 no filter, 1 band-pass, 2 band-stop
    quint32 filterHighCutOff;
    quint32 filterLowCutOff;
    int sampleRate;
    int fftSize; // valid values at the start of fft
    float fft[kFftSize];
};

// The store of saved measurements: one directory per measurement directly in
// "/media/tk9400/meas/", named prefix + "yyyyMMdd_hhmmss_" + name, holding "info.ini"
// and the measurement's clips. GUI thread only.
//
// A measurement is built in a staging directory whose name matches no type prefix and
// renamed to its final name only when everything is on disk, so a power cut leaves either
// a complete measurement or a staging entry that is neither counted nor listed and that
// the next store removes.
class Measurements : public QObject
{
    Q_OBJECT
public:
    enum Type { LevelMeasurement = 0, Pinpointing = 1, Pipelocating = 2, H2Sensor = 3, Longterm = 4 };

    static const int maxNumMeasurements = 100;
    static const int warnNumMeasurements = 85;
    // Room for the name in a directory name of at most 255 UTF-8 bytes after a two-letter
    // prefix, "_", "yyyyMMdd", "_", "hhmmss" and "_".
    static const int kMaxNameBytes = 255 - 19;

    explicit Measurements(QObject* parent = nullptr);

    // Stores one measurement of type a_meastype (Type). Returns 0 when stored, and also
    // for an unknown type (nothing is created); -1 when refused by the limit or when
    // anything could not be written, after an error dialog; nothing partial is left.
    // The page's clips must be complete in the temporary clip directory before the call.
    int storeMeasurement(int a_meastype, QString a_name, MeasInfoStructure a_additionalData);

    // Entries of the root matching "LE_*", "PP_*", "PL_*", "H2_*", "LT_*" (any case;
    // files too). Both make the root the working directory; a missing root gives none.
    int getNumMeasurements();
    QStringList getMeasurementList();

    // The name as it may stand in a directory name on the data partition: trimmed, path
    // separators, the characters the FAT partition refuses and control characters replaced
    // by "_", and cut to kMaxNameBytes of UTF-8. Used wherever a measurement name becomes
    // part of a directory name.
    static QString cleanMeasurementName(const QString& name);
    static QString measurementRootDevicePath(); // "/media/tk9400/meas/"
    static QString measurementRoot();           // the root's host path
    // Host path of a file in a saved measurement's directory (the directory name as it is:
    // blanks inside it are part of the name).
    static QString storedFilePath(const QString& directory, const QString& fileName);
    static QString stagingDirectory();  // host path of the staging entry in the root
    // Sweeps what interrupted stores or deletes left under the staging names and returns
    // the host path of one that is free (empty when none could be freed).
    static QString freeStagingEntry();
    // Removes the entry at the host path: a directory with everything in it, a file, or a
    // link itself (never what it points to). False when anything of it stays.
    static bool removeEntry(const QString& path);
    // Removes what writes cut off by a kill or a power cut left in the stored measurements:
    // the staged copies of their information files (".info.ini." and six letters), which
    // would stay for good and go out with the USB export. Regular files of that name only;
    // links are not followed, and a copy a user keeps beside the file ("info.ini.backup")
    // stays. Called at the start, once the partition is mounted.
    static void removeCutOffWrites();

    static QString convertFilterTypeToText(int a_filterType);

    // Whether a pinpointing save copies the clip of that point (1 to 10): its level and
    // its frequency are both above 0.
    static bool isPointWithClip(const MeasInfoStructure& data, int point);

    // The staged save on its own, for every kind of measurement directory: creates
    // root + a_prefix + "yyyyMMdd_hhmmss_" + a_name (cleaned by cleanMeasurementName()),
    // with the time of a_time or, when that name exists, the next free second. a_fill
    // writes the content into the staging directory it is given and returns false when
    // something could not be written. Returns 0 when the directory stands complete under
    // its final name (in *a_finalPath when given); -1 after the error dialog, with nothing
    // left behind.
    int storeDirectory(const QString& a_prefix, const QString& a_name, QDateTime a_time,
                       const std::function<bool(const QString& staging)>& a_fill, QString* a_finalPath = nullptr);

    // The group [Measurementinfo] that every "info.ini" begins with: type text, the name
    // trimmed, date and time from the clock now, firmware version.
    static void writeMeasurementInfo(QSettings& ini, const QString& typeText, const QString& name);
    // Sets values in the "info.ini" at path (a host path) with fill, keeping the other
    // values of the file in place, and puts the file on the disk whole or not at all (the
    // old one then stays as it was). False, with a warning, when it is not written.
    static bool writeInformationFile(const QString& path, const std::function<void(QSettings&)>& fill);
    // Copies a file into a measurement directory and flushes the copy to the disk, so
    // the directory renamed into place after it never lists a truncated file after a
    // power cut. A target that exists is not overwritten (false).
    static bool copyToDisk(const QString& from, const QString& to);
    // "lat, long" in degrees with 6 decimals, as the files hold positions.
    static QString positionText(double latitude, double longitude);

    // Writers of "info.ini" per type; 0 when the file is complete on disk, else -1.
    int storeInfoFileLevelmeasurement(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    int storeInfoFilePinpointing(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    int storeInfoFilePipelocating(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    int storeInfoFileH2Sensor(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);
    int storeInfoFileLongtermmeasurement(QString a_filename, QString a_name, MeasInfoStructure a_additionalData);

    // The refusal of a store that cannot be completed: removes the staging directory when
    // one is given, shows "MeasurementCouldNotBeStored" and returns -1. Also for a page
    // whose own part of a store (its clip) failed before the store was called.
    int refuse(const QString& staging = QString());

private:
    int writeInfoFile(int type, const QString& filename, const QString& name, const MeasInfoStructure& data);
    QStringList listMeasurements(bool sortedByTime);
    bool copyClips(int type, const QString& directory, const MeasInfoStructure& data);
    void showLimitDialog(int icon, int count);

    Gps* m_gpsModul = nullptr;
    QDate m_systemDate;
    QString m_date;
    QTime m_systemTime;
    QString m_time;
    int m_meastype = 0;
};

// The single store, created on the first call.
Measurements* MeasurementData();

#endif // MEASUREMENTS_H
