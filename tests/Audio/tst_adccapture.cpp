#include "Audio/analoginputworker.h"
#include "Hardware/analoginput.h"
#include "adcsim.h"
#include "testsupport.h"

#include <QPointer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <pthread.h>

using TestSupport::DeviceRoot;

namespace {

// Set in the environment of the child that ends with a stuck reader.
const char* const kStuckReaderChild = "TK9400_TEST_STUCK_ADC_READER";

// The program's end while a block read never returns, as a read stuck in the driver:
// no cancellation point is reached, so not even terminate ends the thread. Runs in a
// child process, as the end is that of the process.
int endWithAStuckReader(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    DeviceRoot device;
    AnalogInputWorker* worker = Analoginputworker();
    static QSemaphore* const stuck = new QSemaphore;
    QMetaObject::invokeMethod(worker->analogInput(), [] {
        pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, nullptr);
        stuck->release();
        stuck->acquire(2); // never
    });
    stuck->acquire();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace

// The analysis against the simulated converter through the device tree, with the reads
// in the real ADC thread.
class TestAdcCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void toneOverNoise()
    {
        DeviceRoot device;
        LeakSignal::Settings settings;
        settings.seed = 7;
        settings.noiseRms = 300;
        settings.toneHz = 1000;
        settings.toneRms = 3000; // 20 dB over the noise
        AdcSimulator sim(settings);
        sim.setRoot(device.root());
        sim.start(20);

        auto* worker = new AnalogInputWorker;
        QPointer<AnalogInput> reader = worker->analogInput();
        worker->startCapture();
        worker->pauseCapture(false);
        const float expected = AnalogInputWorker::audioLevelToDb(float(sim.signal().expectedRms() / 32768));
        float level = 0;
        QTRY_VERIFY_WITH_TIMEOUT((worker->getAudioLevel(&level),
                                  std::abs(AnalogInputWorker::audioLevelToDb(level) - expected) <= 1.0f
                                      && worker->getSignificandFrequency() >= 990
                                      && worker->getSignificandFrequency() <= 1010),
                                 5000);

        // Without a device file, and with short reads, the results stand still.
        QSignalSpy blocks(reader.data(), &AnalogInput::bufferUpdated);
        for (const char* misbehaviour : {"missing", "short 1001"}) {
            sim.control(QString::fromLatin1(misbehaviour));
            QTest::qWait(60); // the simulator has acted on it
            worker->getAudioLevel(&level);
            const quint32 frequency = worker->getSignificandFrequency();
            const int before = blocks.size();
            QTRY_VERIFY_WITH_TIMEOUT(blocks.size() >= before + 2, 3000);
            QCoreApplication::processEvents();
            float now = 0;
            worker->getAudioLevel(&now);
            QCOMPARE(now, level);
            QCOMPARE(worker->getSignificandFrequency(), frequency);
        }
        sim.control(QStringLiteral("normal"));

        // Quitting the application ends the thread and deletes the reader, once.
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
        QVERIFY(worker->adcThread()->isFinished());
        QVERIFY(reader.isNull());
        worker->shutdown();
        worker->updateData();
        delete worker;
        QVERIFY(!TestSupport::logged(QStringLiteral("warning:")));
    }

    void theEndWithAReaderThatNeverReturns()
    {
        bool endedWell = false;
        const QString log =
            TestSupport::runAsChild(kStuckReaderChild, 2 * AnalogInputWorker::kThreadStopTimeoutMs + 10000, &endedWell);
        QVERIFY2(endedWell, qPrintable(log));
        const QString stop = QString::number(AnalogInputWorker::kThreadStopTimeoutMs);
        QVERIFY2(log.contains("AnalogInputWorker: the ADC thread did not end within " + stop + " ms; terminating it"),
                 qPrintable(log));
        QVERIFY2(log.contains("AnalogInputWorker: the ADC thread still runs " + stop
                              + " ms after it was terminated; it is left running, with everything it uses, until the "
                                "program ends"),
                 qPrintable(log));
        QVERIFY2(!log.contains("QThread: Destroyed while thread is still running"), qPrintable(log));
    }
};

TK9400_TEST_MAIN_WITH_CHILD(QCoreApplication, TestAdcCapture, kStuckReaderChild, endWithAStuckReader)
#include "tst_adccapture.moc"
