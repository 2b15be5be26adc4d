#include "headphonesim.h"

#include <QtGlobal>

const char* const HeadphoneSim::kName = "SIM Headphones";
const char* const HeadphoneSim::kDeviceClass = "240404";

namespace {

// Volume steps as the headphones report them, in percent.
const int kVolumeStepPercent[16] = {0, 6, 12, 18, 25, 31, 37, 44, 50, 56, 62, 69, 75, 81, 88, 94};

int volumeStep(int percent)
{
    int best = 0;
    for (int step = 0; step < 16; ++step) {
        if (kVolumeStepPercent[step] <= percent)
            best = step;
    }
    return best;
}

} // namespace

bool HeadphoneSim::remoteControl(const QStringList& tokens)
{
    const QString what = tokens.value(1);
    if (what == QLatin1String("PDU") && tokens.value(2) == QLatin1String("50")) {
        bool ok = false;
        const int percent = tokens.value(3).toInt(&ok);
        if (ok)
            m_volume = qBound(0, percent, 100);
        return false;
    }
    int step = volumeStep(m_volume);
    if (what == QLatin1String("UP"))
        step = qMin(step + 1, 15);
    else if (what == QLatin1String("DN"))
        step = qMax(step - 1, 0);
    else
        return false;
    m_volume = kVolumeStepPercent[step];
    return true;
}

QString HeadphoneSim::accessoryReport() const
{
    return QStringLiteral("AT+IPHONEACCEV=2,1,%1,2,0").arg(m_batteryLevel);
}
