#include "teststation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <cstdio>

const char* const TestStation::kCommandFile = "/media/ramdisk/production";

TestStation::TestStation(const Options& options)
    : m_options(options)
{
    m_clock.start();
}

QString TestStation::commandFilePath() const
{
    return QDir(m_options.root).absolutePath() + QLatin1String(kCommandFile);
}

QByteArray TestStation::decodeEscapes(const QString& text)
{
    const QByteArray in = text.toLatin1();
    QByteArray out;
    for (int i = 0; i < in.size(); ++i) {
        if (in.at(i) != '\\' || i + 1 == in.size()) {
            out.append(in.at(i));
            continue;
        }
        const char c = in.at(++i);
        switch (c) {
        case '0': out.append('\0'); break;
        case 'r': out.append('\r'); break;
        case 'n': out.append('\n'); break;
        case 't': out.append('\t'); break;
        case 'x': {
            bool ok = false;
            const int value = in.mid(i + 1, 2).toInt(&ok, 16);
            if (ok && i + 2 < in.size()) {
                out.append(char(value));
                i += 2;
            } else {
                out.append("\\x");
            }
            break;
        }
        default: out.append(c); break;
        }
    }
    return out;
}

void TestStation::record(const QString& line)
{
    const QString stamped = QStringLiteral("[%1 ms] ").arg(m_clock.elapsed(), 6) + line;
    {
        QMutexLocker lock(&m_mutex);
        m_transcript.append(stamped);
    }
    if (onLine)
        onLine(stamped);
}

QStringList TestStation::transcript() const
{
    QMutexLocker lock(&m_mutex);
    return m_transcript;
}

QStringList TestStation::answers() const
{
    QStringList found;
    for (const QString& line : transcript()) {
        const int at = line.indexOf(QLatin1String("] < "));
        if (at >= 0)
            found << line.mid(at + 4);
    }
    return found;
}

QString TestStation::lastAnswer() const
{
    QMutexLocker lock(&m_mutex);
    QByteArray line = m_last;
    if (line.endsWith('\n'))
        line.chop(1);
    return QString::fromLatin1(line);
}

QByteArray TestStation::readFile() const
{
    QFile file(commandFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TestStation::writeFile(const QByteArray& bytes)
{
    const QString path = commandFilePath();
    if (m_options.inPlace || m_options.splitMs >= 0) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        if (m_options.splitMs < 0)
            return file.write(bytes) == bytes.size();
        const int half = bytes.size() / 2;
        file.write(bytes.left(half));
        file.flush();
        QThread::msleep(m_options.splitMs);
        return file.write(bytes.mid(half)) == bytes.size() - half;
    }
    // Whole or not at all: the instrument never reads half a line.
    // A name of this station's own: two stations on one tree must not share it.
    const QString temporary = path + QStringLiteral(".station-%1-%2")
                                         .arg(QCoreApplication::applicationPid())
                                         .arg(reinterpret_cast<quintptr>(this), 0, 16);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) == 0;
}

bool TestStation::waitTaken(const QByteArray& written)
{
    QElapsedTimer waited;
    waited.start();
    while (!m_cancel && waited.elapsed() < m_options.timeoutMs) {
        if (readFile() != written)
            return true;
        QThread::msleep(m_options.pollMs);
    }
    return false;
}

bool TestStation::waitSettled(bool acknowledgementFinal)
{
    QElapsedTimer waited;
    waited.start();
    QByteArray seen = readFile();
    QElapsedTimer stable;
    stable.start();
    while (!m_cancel && waited.elapsed() < m_options.timeoutMs + m_options.settleMs) {
        QThread::msleep(m_options.pollMs);
        const QByteArray now = readFile();
        if (now != seen) {
            seen = now;
            stable.restart();
        } else if (stable.elapsed() >= m_options.settleMs && seen.endsWith('\n')
                   && (acknowledgementFinal || seen != "staActive\n")) {
            // The instrument truncates before it writes: an empty or unended file is
            // an answer still being written, however long it stays so.
            QMutexLocker lock(&m_mutex);
            m_last = seen;
            return true;
        }
    }
    return false;
}

bool TestStation::send(const QString& command)
{
    QByteArray bytes;
    if (command.startsWith(QLatin1String("fill:")))
        bytes = QByteArray(qMax(0, command.mid(5).toInt()), 'x');
    else if (m_options.raw)
        bytes = decodeEscapes(command);
    else
        bytes = command.toLatin1() + '\n';

    record(QStringLiteral("> ") + (bytes.size() > 80 ? command.left(40) + QStringLiteral("... (%1 bytes)").arg(bytes.size())
                                                     : command));
    if (!writeFile(bytes)) {
        record(QStringLiteral("! cannot write ") + commandFilePath());
        m_outcome = TimedOut;
        return false;
    }
    if (m_options.noWait) {
        // Paced by the clock, so a flood keeps its rate however long a write takes.
        if (!m_floodClock.isValid())
            m_floodClock.start();
        const qint64 due = ++m_flooded * qint64(m_options.gapMs) - m_floodClock.elapsed();
        if (due > 0)
            QThread::msleep(quint64(due));
        return true;
    }
    if (!waitTaken(bytes)) {
        record(QStringLiteral("! not taken within %1 ms").arg(m_options.timeoutMs));
        m_outcome = TimedOut;
        return false;
    }
    const QString due = m_options.answers.value(m_sent++);
    if (!waitSettled(due.isEmpty() || due == QLatin1String("staActive"))) {
        record(QStringLiteral("! no final line within %1 ms").arg(m_options.timeoutMs));
        m_outcome = TimedOut;
        return false;
    }
    record(QStringLiteral("< ") + lastAnswer());
    return true;
}

bool TestStation::step(const QString& rawStep)
{
    const QString step = m_options.raw ? rawStep : rawStep.trimmed();
    if (step.isEmpty())
        return true;
    if (step.startsWith(QLatin1String("sleep:"))) {
        QThread::msleep(qMax(0, step.mid(6).toInt()));
        return true;
    }
    if (step.startsWith(QLatin1String("expect:"))) {
        if (m_options.noWait && !waitSettled()) {
            m_outcome = TimedOut;
            return false;
        }
        const QString expected = step.mid(7);
        if (lastAnswer() == expected)
            return true;
        record(QStringLiteral("! expected \"%1\", got \"%2\"").arg(expected, lastAnswer()));
        m_outcome = ExpectationFailed;
        return false;
    }
    return send(step);
}

int TestStation::run(const QStringList& steps)
{
    m_outcome = Done;
    m_sent = 0;
    for (const QString& s : steps) {
        if (!step(s))
            return m_outcome;
    }
    if (m_options.noWait && waitSettled())
        record(QStringLiteral("< ") + lastAnswer());
    return m_outcome;
}

TestStationThread::TestStationThread(const TestStation::Options& options)
    : m_station(options)
{
}

TestStationThread::~TestStationThread()
{
    m_station.cancel();
    wait();
}

void TestStationThread::start(const QStringList& steps)
{
    m_steps = steps;
    m_result = -1;
    QThread::start();
}

void TestStationThread::run()
{
    m_result = m_station.run(m_steps);
}

int TestStationThread::finish(int ms)
{
    if (!wait(ms)) {
        m_station.cancel();
        wait();
        return TestStation::TimedOut;
    }
    return m_result;
}
