// The ADC of a simulated instrument: serves "$TK9400_ROOT/dev/iio:device0".
//
//     adc-sim [--root DIR]                      leak noise, 200-1500 Hz, 300 counts RMS
//     adc-sim --tone 1000 --tone-level 3000     with a sine over the noise
//     adc-sim --chain                           the signal of the codec input selected:
//                                               IN1 the sink module's audio, IN3 the
//                                               external connector (see adcsim.h)
//     adc-sim --capture FILE --seconds N        N s of the same signal at 16 kHz, raw
//                                               S16LE mono, for TK9400_ALSA_CAPTURE
//     adc-sim --capture FILE --seconds N --counting   sample n = n mod 65536 instead
//
// The device file holds the newest block of 1024 samples at 7670 Hz, replaced every
// 1024/7670 s; it is empty while the instrument has the IIO buffer disabled. Control
// lines ("tone 800 2000", "short 1001", "missing", ...; "help" lists them) are read from
// standard input and from the FIFO DIR/adc-sim-control.
#include "adcsim.h"
#include "simcontrol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <memory>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("adc-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated ADC on $ROOT/dev/iio:device0: blocks of 1024 signed 16-bit samples at 7670 Hz of "
                       "leak-like band-limited noise, with an optional tone. Levels are counts RMS of the 16-bit "
                       "full scale.\n\nControl lines on standard input or the FIFO ROOT/adc-sim-control:\n")
        + AdcSimulator::controlHelp());
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("Simulated device tree (default $TK9400_ROOT)."),
                                  QStringLiteral("dir"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the noise (1)."), QStringLiteral("n"),
                                  QStringLiteral("1"));
    const QCommandLineOption band(QStringLiteral("band"), QStringLiteral("Noise band in Hz (200-1500)."),
                                  QStringLiteral("low-high"), QStringLiteral("200-1500"));
    const QCommandLineOption noise(QStringLiteral("noise"), QStringLiteral("Noise level, counts RMS (300)."),
                                   QStringLiteral("counts"), QStringLiteral("300"));
    const QCommandLineOption tone(QStringLiteral("tone"), QStringLiteral("Tone frequency in Hz (none)."),
                                  QStringLiteral("hz"), QStringLiteral("0"));
    const QCommandLineOption toneLevel(QStringLiteral("tone-level"), QStringLiteral("Tone level, counts RMS (1000)."),
                                       QStringLiteral("counts"), QStringLiteral("1000"));
    const QCommandLineOption capture(QStringLiteral("capture"),
                                     QStringLiteral("Write raw 16 kHz mono S16LE to this file instead of serving."),
                                     QStringLiteral("file"));
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Length for --capture (10)."),
                                     QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption counting(QStringLiteral("counting"),
                                      QStringLiteral("With --capture: sample n is n mod 65536, not the signal."));
    const QCommandLineOption chain(QStringLiteral("chain"),
                                   QStringLiteral("Serve the codec input the simulated codec selects (IN1: the sink "
                                                  "module's audio, IN3: the external connector's tone), following "
                                                  "ROOT/codec-mixer.state and ROOT/bt-links."));
    parser.addOptions({root, seed, band, noise, tone, toneLevel, capture, seconds, counting, chain});
    parser.process(app);

    auto fail = [&err](const QString& message) {
        err << "adc-sim: " << message << "\n";
        return 2;
    };

    LeakSignal::Settings settings;
    bool ok = false;
    settings.seed = parser.value(seed).toUInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--seed wants a number"));
    const QStringList edges = parser.value(band).split(QLatin1Char('-'));
    bool lowOk = false, highOk = false;
    if (edges.size() == 2) {
        settings.noiseLowHz = edges.at(0).toDouble(&lowOk);
        settings.noiseHighHz = edges.at(1).toDouble(&highOk);
    }
    if (!lowOk || !highOk || settings.noiseLowHz >= settings.noiseHighHz)
        return fail(QStringLiteral("--band wants LOW-HIGH in Hz, LOW below HIGH"));
    settings.noiseRms = parser.value(noise).toDouble(&ok);
    if (!ok || settings.noiseRms < 0)
        return fail(QStringLiteral("--noise wants counts RMS"));
    settings.toneHz = parser.value(tone).toDouble(&ok);
    if (!ok || settings.toneHz < 0)
        return fail(QStringLiteral("--tone wants Hz"));
    settings.toneRms = parser.value(toneLevel).toDouble(&ok);
    if (!ok || settings.toneRms < 0)
        return fail(QStringLiteral("--tone-level wants counts RMS"));

    if (parser.isSet(capture)) {
        const int length = parser.value(seconds).toInt(&ok);
        if (!ok || length < 1 || length > 3600)
            return fail(QStringLiteral("--seconds wants 1 to 3600"));
        const int rate = 16000;
        if (!parser.isSet(counting) && settings.toneHz >= rate / 2)
            return fail(QStringLiteral("--tone must lie below 8000 Hz"));
        QFile file(parser.value(capture));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(file.fileName() + QStringLiteral(": ") + file.errorString());
        LeakSignal signal(rate, settings);
        for (qint64 done = 0; done < qint64(length) * rate; done += rate) {
            const QByteArray second =
                parser.isSet(counting) ? LeakSignal::counting(done, rate) : signal.next(rate);
            if (file.write(second) != second.size())
                return fail(file.fileName() + QStringLiteral(": ") + file.errorString());
        }
        return 0;
    }

    if (settings.toneHz >= AdcSimulator::kSampleRate / 2)
        return fail(QStringLiteral("--tone must lie below 3835 Hz"));
    QString rootDir = parser.value(root);
    if (rootDir.isEmpty())
        rootDir = qEnvironmentVariable("TK9400_ROOT");
    if (rootDir.isEmpty())
        return fail(QStringLiteral("no device tree: give --root DIR or set TK9400_ROOT"));

    AdcSimulator sim(settings);
    sim.setRoot(rootDir);
    sim.setChain(parser.isSet(chain));
    const ControlChannel::Handler control = [&sim](const QString& line) { return sim.control(line); };
    ControlChannel input(STDIN_FILENO, control);
    const std::unique_ptr<ControlChannel> fifoInput =
        ControlChannel::openFifo(QDir(rootDir).absoluteFilePath(QStringLiteral("adc-sim-control")), control);

    // Leave through the event loop, so the device file goes with the converter.
    quitOnTerminationSignals(&app);
    out << "adc-sim: " << sim.devicePath() << ", " << sim.status() << Qt::endl;
    sim.start();
    const int status = app.exec();
    sim.stop();
    QFile::remove(sim.devicePath());
    return status;
}
