// The GNSS receiver of a simulated instrument: serves "$TK9400_ROOT/dev/ttyO1".
//
//     gps-sim [--root DIR]                 a walk with a fix, today's date, 9 satellites
//     gps-sim --replay FILE                the cycles of a recording, over and over
//     gps-sim --faults nofix,checksum ...  a receiver on a bad day
//     gps-sim --write FILE --cycles N      records N generated cycles instead of serving
//
// The receiver navigates (and talks) only after the instrument's UBX CFG-RST start
// message, as the real one does after power-up; --navigating starts it at once.
// Control lines ("nofix", "faults garbage", "satellites 4", ...; "help" lists them) are
// read from standard input and from the FIFO DIR/gps-sim-control.
#include "gpssim.h"
#include "simcontrol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cmath>
#include <memory>
#include <unistd.h>

namespace {

bool parseFaults(const QString& list, GpsSimulator::Faults* faults, QString* bad)
{
    const QStringList names = list.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& raw : names) {
        const QString name = raw.trimmed().toLower();
        if (name == QLatin1String("nofix"))
            *faults |= GpsSimulator::NoFix;
        else if (name == QLatin1String("nofixzero"))
            *faults |= GpsSimulator::ZeroNoFix;
        else if (name == QLatin1String("olddate"))
            *faults |= GpsSimulator::OldDate;
        else if (name == QLatin1String("checksum"))
            *faults |= GpsSimulator::BadChecksum;
        else if (name == QLatin1String("truncate"))
            *faults |= GpsSimulator::Truncated;
        else if (name == QLatin1String("split"))
            *faults |= GpsSimulator::SplitWrites;
        else if (name == QLatin1String("garbage"))
            *faults |= GpsSimulator::Garbage;
        else {
            *bad = raw;
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gps-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated GNSS receiver on $ROOT/dev/ttyO1 (NMEA 0183, 9600 baud). It starts and stops its output "
        "on the UBX CFG-RST messages of the instrument and sends RMC, GGA, GSA and GSV once a second.\n\n"
        "Control lines on standard input or the FIFO ROOT/gps-sim-control:\n") + GpsSimulator::controlHelp());
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("Simulated device tree (default $TK9400_ROOT)."),
                                  QStringLiteral("dir"));
    const QCommandLineOption replay(QStringLiteral("replay"),
                                    QStringLiteral("Replay the NMEA recording, a cycle from each RMC on, in a loop."),
                                    QStringLiteral("file"));
    const QCommandLineOption satellites(QStringLiteral("satellites"), QStringLiteral("GPS satellites in view (0-32, 9)."),
                                        QStringLiteral("n"), QStringLiteral("9"));
    const QCommandLineOption glonass(QStringLiteral("glonass"),
                                     QStringLiteral("GLONASS satellites in view, sent as GLGSV (0-24, 0)."),
                                     QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption hdop(QStringLiteral("hdop"), QStringLiteral("Horizontal dilution of precision (0.9)."),
                                  QStringLiteral("x"), QStringLiteral("0.9"));
    const QCommandLineOption date(QStringLiteral("date"), QStringLiteral("UTC date instead of today's."),
                                  QStringLiteral("yyyy-mm-dd"));
    const QCommandLineOption time(QStringLiteral("time"),
                                  QStringLiteral("UTC time of the first cycle instead of the host clock."),
                                  QStringLiteral("hh:mm:ss"));
    const QCommandLineOption latitude(QStringLiteral("lat"), QStringLiteral("Start of the walk, degrees north."),
                                      QStringLiteral("deg"));
    const QCommandLineOption longitude(QStringLiteral("lon"), QStringLiteral("Start of the walk, degrees east."),
                                       QStringLiteral("deg"));
    const QCommandLineOption talker(QStringLiteral("talker"), QStringLiteral("Talker of RMC, GGA, GSA: GP or GN (GN)."),
                                    QStringLiteral("id"), QStringLiteral("GN"));
    const QCommandLineOption altitude(QStringLiteral("altitude"),
                                      QStringLiteral("Metres above the geoid, negative below it (519)."),
                                      QStringLiteral("m"));
    const QCommandLineOption geoid(QStringLiteral("geoid"),
                                   QStringLiteral("Geoid separation in metres, negative below the ellipsoid (47.6)."),
                                   QStringLiteral("m"));
    const QCommandLineOption nmea(QStringLiteral("nmea"),
                                  QStringLiteral("Sentence layout: 2.3, or 4.11 with navigational status, GSA system "
                                                 "id and GSV signal id (2.3)."),
                                  QStringLiteral("version"), QStringLiteral("2.3"));
    const QCommandLineOption vtg(QStringLiteral("vtg"), QStringLiteral("Add a GPVTG sentence to each cycle."));
    const QCommandLineOption faults(
        QStringLiteral("faults"),
        QStringLiteral("Bad day, comma-separated: nofix, nofixzero (\"V\" at 0/0), olddate (2015), checksum, "
                       "truncate, split, garbage."),
        QStringLiteral("list"));
    const QCommandLineOption faultRate(QStringLiteral("fault-rate"),
                                       QStringLiteral("Share of sentences hit by checksum, truncate, split, garbage (1)."),
                                       QStringLiteral("0-1"), QStringLiteral("1"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the fault generator."),
                                  QStringLiteral("n"));
    const QCommandLineOption navigating(QStringLiteral("navigating"),
                                        QStringLiteral("Send at once, without waiting for the start message."));
    const QCommandLineOption interval(QStringLiteral("interval"), QStringLiteral("Milliseconds per cycle (1000)."),
                                      QStringLiteral("ms"), QStringLiteral("1000"));
    const QCommandLineOption write(QStringLiteral("write"),
                                   QStringLiteral("Write generated cycles to this file instead of serving."),
                                   QStringLiteral("file"));
    const QCommandLineOption cycles(QStringLiteral("cycles"), QStringLiteral("Cycles for --write (10)."),
                                    QStringLiteral("n"), QStringLiteral("10"));
    parser.addOptions({root, replay, satellites, glonass, hdop, date, time, latitude, longitude, altitude, geoid, nmea,
                       talker, vtg, faults,
                       faultRate, seed, navigating, interval, write, cycles});
    parser.process(app);

    auto fail = [&err](const QString& message) {
        err << "gps-sim: " << message << "\n";
        return 2;
    };

    GpsSimulator sim;
    GpsSimulator::Route route;
    bool ok = true;
    route.gpsSatellites = parser.value(satellites).toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--satellites wants a number"));
    route.glonassSatellites = parser.value(glonass).toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--glonass wants a number"));
    route.hdop = parser.value(hdop).toDouble(&ok);
    if (!ok || route.hdop < 0)
        return fail(QStringLiteral("--hdop wants a number"));
    if (parser.isSet(latitude)) {
        route.latitude = parser.value(latitude).toDouble(&ok);
        if (!ok || route.latitude < -89 || route.latitude > 89)
            return fail(QStringLiteral("--lat wants degrees between -89 and 89"));
    }
    if (parser.isSet(longitude)) {
        route.longitude = parser.value(longitude).toDouble(&ok);
        if (!ok || route.longitude < -180 || route.longitude > 180)
            return fail(QStringLiteral("--lon wants degrees between -180 and 180"));
    }
    if (parser.isSet(altitude)) {
        route.altitude = parser.value(altitude).toDouble(&ok);
        if (!ok || std::fabs(route.altitude) > 9999)
            return fail(QStringLiteral("--altitude wants metres between -9999 and 9999"));
    }
    if (parser.isSet(geoid)) {
        route.geoidSeparation = parser.value(geoid).toDouble(&ok);
        if (!ok || std::fabs(route.geoidSeparation) > 9999)
            return fail(QStringLiteral("--geoid wants metres between -9999 and 9999"));
    }
    if (parser.value(nmea) != QLatin1String("2.3") && parser.value(nmea) != QLatin1String("4.11"))
        return fail(QStringLiteral("--nmea is 2.3 or 4.11"));
    route.nmea411 = parser.value(nmea) == QLatin1String("4.11");
    route.talker = parser.value(talker).toUpper().toLatin1();
    if (route.talker != "GP" && route.talker != "GN")
        return fail(QStringLiteral("--talker is GP or GN"));
    route.vtg = parser.isSet(vtg);
    QDate startDate;
    if (parser.isSet(date)) {
        startDate = QDate::fromString(parser.value(date), Qt::ISODate);
        if (!startDate.isValid())
            return fail(QStringLiteral("--date wants yyyy-mm-dd"));
    }
    if (parser.isSet(time)) {
        const QTime startTime = QTime::fromString(parser.value(time), QStringLiteral("hh:mm:ss"));
        if (!startTime.isValid())
            return fail(QStringLiteral("--time wants hh:mm:ss"));
        route.start = QDateTime(startDate.isValid() ? startDate : QDate::currentDate(), startTime, Qt::UTC);
    } else {
        route.date = startDate;
    }
    sim.setRoute(route);

    GpsSimulator::Faults faultSet;
    QString badFault;
    if (parser.isSet(faults) && !parseFaults(parser.value(faults), &faultSet, &badFault))
        return fail(QStringLiteral("unknown fault \"%1\"").arg(badFault));
    const double rate = parser.value(faultRate).toDouble(&ok);
    if (!ok || rate < 0 || rate > 1)
        return fail(QStringLiteral("--fault-rate wants a number from 0 to 1"));
    sim.setFaults(faultSet, rate);
    if (parser.isSet(seed))
        sim.setSeed(parser.value(seed).toUInt());

    QString error;
    if (parser.isSet(replay) && !sim.loadReplay(parser.value(replay), &error))
        return fail(error);

    if (parser.isSet(write)) {
        const int count = parser.value(cycles).toInt(&ok);
        if (!ok || count < 1)
            return fail(QStringLiteral("--cycles wants a positive number"));
        if (!route.start.isValid()) {
            // Recorded cycles a second apart, from now on.
            route.start = QDateTime::currentDateTimeUtc();
            route.start.setTime(QTime(route.start.time().hour(), route.start.time().minute(), route.start.time().second()));
            if (startDate.isValid())
                route.start.setDate(startDate);
            sim.setRoute(route);
        }
        QFile file(parser.value(write));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(file.fileName() + QStringLiteral(": ") + file.errorString());
        for (int i = 0; i < count; ++i)
            file.write(sim.withFaults(sim.nextCycle()));
        return 0;
    }

    QString rootDir = parser.value(root);
    if (rootDir.isEmpty())
        rootDir = qEnvironmentVariable("TK9400_ROOT");
    if (rootDir.isEmpty())
        return fail(QStringLiteral("no device tree: give --root DIR or set TK9400_ROOT"));
    const QString link = QDir(rootDir).absoluteFilePath(QStringLiteral("dev/ttyO1"));
    if (!sim.open(link, &error))
        return fail(error);
    const int intervalMs = parser.value(interval).toInt(&ok);
    if (!ok || intervalMs < 10)
        return fail(QStringLiteral("--interval wants at least 10 ms"));

    const ControlChannel::Handler control = [&sim](const QString& line) { return sim.control(line); };
    ControlChannel input(STDIN_FILENO, control);
    const std::unique_ptr<ControlChannel> fifoInput =
        ControlChannel::openFifo(QDir(rootDir).absoluteFilePath(QStringLiteral("gps-sim-control")), control);

    // Leave through the event loop, so the link in the tree is removed.
    quitOnTerminationSignals(&app);

    QObject::connect(&sim, &GpsSimulator::navigationChanged, &app, [&out](bool running) {
        out << (running ? "navigation started" : "navigation stopped") << Qt::endl;
    });
    out << "gps-sim: " << link << " -> " << sim.slaveName()
        << (sim.isReplaying() ? QStringLiteral(", replaying ") + parser.value(replay) : QString()) << Qt::endl;
    sim.setNavigating(parser.isSet(navigating));
    sim.start(intervalMs);
    const int status = app.exec();
    sim.close();
    return status;
}
