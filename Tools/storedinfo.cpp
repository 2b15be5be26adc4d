#include "Tools/storedinfo.h"

#include "Hardware/platform.h"
#include "Tools/inifile.h"

#include <QDebug>

#include <cmath>

StoredInfo::StoredInfo(const QString& path)
{
    QByteArray contents;
    const Platform::ReadStatus status = Platform::readRegularFile(path, kMaxBytes, &contents);
    if (status == Platform::ReadStatus::Read) {
        m_values = IniFile::parse(contents);
        m_readable = true;
    } else if (status != Platform::ReadStatus::Missing) {
        qWarning() << "Information file not read (a link, not a regular file or larger than" << kMaxBytes
                   << "bytes):" << path;
    }
}

StoredInfo::~StoredInfo() = default;

QVariant StoredInfo::value(const QString& key, const QVariant& defaultValue) const
{
    const QString name = m_group.isEmpty() ? key : m_group + QLatin1Char('/') + key;
    const auto found = m_values.constFind(name);
    return found == m_values.constEnd() ? defaultValue : QVariant(*found);
}

int StoredInfo::intValue(const QString& key, int missing) const
{
    bool ok = false;
    const int number = value(key).toString().trimmed().toInt(&ok);
    return ok ? number : missing;
}

void StoredInfo::beginGroup(const QString& group)
{
    m_group = group;
}

void StoredInfo::endGroup()
{
    m_group.clear();
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
