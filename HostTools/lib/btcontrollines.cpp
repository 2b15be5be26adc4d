#include "btcontrollines.h"

#include "btmodulesim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>
#include <QTimer>

namespace {
QMutex& controlLinesMutex()
{
    static QMutex mutex;
    return mutex;
}
QList<QPointer<BtControlLines>>& liveControlLines()
{
    static QList<QPointer<BtControlLines>> lines;
    return lines;
}
} // namespace

BtControlLines::BtControlLines(const QString& root, QObject* parent)
    : QObject(parent)
    , m_dtrFile(QDir::cleanPath(root + QStringLiteral("/sys/class/gpio/gpio58/value")))
    , m_cdFile(root + QStringLiteral("/sys/class/gpio/gpio59/value"))
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &BtControlLines::poll);
}

void BtControlLines::start()
{
    QFile dtr(m_dtrFile);
    if (dtr.open(QIODevice::ReadOnly))
        m_dtr = dtr.read(1) == "1";
    writeCarrierDetect(false);
    m_timer->start(kPollMs);
    QMutexLocker lock(&controlLinesMutex());
    liveControlLines().append(this);
}

void BtControlLines::attach(BtModuleSim* module)
{
    m_modules.append(module);
}

BtControlLines::~BtControlLines()
{
    QMutexLocker lock(&controlLinesMutex());
    liveControlLines().removeAll(this);
    liveControlLines().removeAll(nullptr);
}

void BtControlLines::notifyWrite(const QString& hostPath, const QByteArray& value)
{
    QMutexLocker lock(&controlLinesMutex());
    for (const QPointer<BtControlLines>& lines : qAsConst(liveControlLines())) {
        if (!lines || lines->m_dtrFile != QDir::cleanPath(hostPath))
            continue;
        const bool high = !value.startsWith('0');
        QMetaObject::invokeMethod(lines.data(), [target = lines, high] {
            if (target)
                target->dtrWritten(high);
        }, Qt::QueuedConnection);
    }
}

void BtControlLines::dtrWritten(bool high)
{
    // Every write arrives from here on: the file would show only the last of a quick pulse.
    m_timer->stop();
    applyDtr(high);
}

void BtControlLines::poll()
{
    QFile file(m_dtrFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray value = file.read(1);
    if (value.isEmpty())
        return; // caught between truncate and write
    applyDtr(value != "0");
}

void BtControlLines::applyDtr(bool high)
{
    if (high == m_dtr)
        return;
    m_dtr = high;
    if (!high)
        return;
    for (const QPointer<BtModuleSim>& module : qAsConst(m_modules)) {
        if (module)
            module->onDtrRaised();
    }
}

void BtControlLines::dataModeChanged()
{
    bool any = false;
    for (const QPointer<BtModuleSim>& module : qAsConst(m_modules))
        any = any || (module && module->thread() == thread() && module->isDataMode());
    writeCarrierDetect(any);
}

void BtControlLines::writeCarrierDetect(bool high)
{
    if (m_cd == int(high))
        return;
    m_cd = int(high);
    // Replaced whole, so the instrument never reads a half-written file.
    QDir().mkpath(QFileInfo(m_cdFile).absolutePath());
    QSaveFile file(m_cdFile);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(high ? "1" : "0");
        file.commit();
    }
}
