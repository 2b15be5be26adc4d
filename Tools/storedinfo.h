#ifndef STOREDINFO_H
#define STOREDINFO_H

#include <QHash>
#include <QString>
#include <QVariant>

// The information file "info.ini" of a stored measurement as the stored views read it.
// PCs write to the data partition too (it is exported over USB): only a regular file, not
// a link, of at most kMaxBytes is read. Anything else reads like a missing file: every
// value is missing and its default is returned.
class StoredInfo
{
public:
    // The largest file the store writes (a long-term series of 2048 values) has about
    // 15 kB; a few times that leaves room for long names and escapes.
    static constexpr qint64 kMaxBytes = 64 * 1024;

    explicit StoredInfo(const QString& path);
    ~StoredInfo();
    StoredInfo(const StoredInfo&) = delete;
    StoredInfo& operator=(const StoredInfo&) = delete;

    bool isReadable() const { return m_readable; }
    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    // A whole number that an int holds, or `missing` (also for one that does not parse:
    // the variant's own conversion would wrap "99999999999" into range).
    int intValue(const QString& key, int missing = 0) const;
    void beginGroup(const QString& group);
    void endGroup();

private:
    bool m_readable = false;
    QHash<QString, QString> m_values; // "group/key"
    QString m_group;
};

// Levels and frequencies as the pages show them, from stored files and from the analysis.
// A value that is not finite or lies outside what the displays show counts as missing: it
// becomes the displays' reset value 0 before anything converts it to an integer.
namespace ShownValue {
// The level bars' full scale (1000 tenths of a dB).
constexpr double kMaxLevelDb = 100.0;
// Half the sample rate: no dominant frequency lies above it.
constexpr double kMaxFrequencyHz = 8000.0;

bool isShowable(double value, double lowest, double highest);
// The value when it lies in the range, else 0.
float inRange(double value, double lowest, double highest);
float level(double value);
int frequency(double value);
} // namespace ShownValue

#endif // STOREDINFO_H
