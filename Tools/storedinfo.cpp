#include "Tools/storedinfo.h"

#include "Hardware/platform.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cmath>

StoredInfo::StoredInfo(const QString& path)
{
    // The partition is not exported while the instrument reads it: the file read is the
    // file checked.
    if (Platform::isPlainFile(path, kMaxBytes))
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    else if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        qWarning() << "Information file not read (a link, not a regular file or larger than" << kMaxBytes
                   << "bytes):" << path;
}

StoredInfo::~StoredInfo() = default;

QVariant StoredInfo::value(const QString& key, const QVariant& defaultValue) const
{
    return m_settings ? m_settings->value(key, defaultValue) : defaultValue;
}

int StoredInfo::intValue(const QString& key, int missing) const
{
    bool ok = false;
    const int number = value(key).toString().trimmed().toInt(&ok);
    return ok ? number : missing;
}

void StoredInfo::beginGroup(const QString& group)
{
    if (m_settings)
        m_settings->beginGroup(group);
}

void StoredInfo::endGroup()
{
    if (m_settings)
        m_settings->endGroup();
}

namespace ShownValue {

bool isShowable(double value, double lowest, double highest)
{
    return std::isfinite(value) && value >= lowest && value <= highest;
}

float inRange(double value, double lowest, double highest)
{
    return isShowable(value, lowest, highest) ? float(value) : 0.0f;
}

float level(double value)
{
    return inRange(value, 0.0, kMaxLevelDb);
}

int frequency(double value)
{
    return isShowable(value, 0.0, kMaxFrequencyHz) ? int(value) : 0;
}

} // namespace ShownValue
