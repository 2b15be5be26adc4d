#ifndef TESTMENUSENSORDETECTION_H
#define TESTMENUSENSORDETECTION_H

#include "Testmenu/testdialog.h"

#include <QFile>

class QTimer;

namespace Ui {
class TestmenuSensordetection;
}

// The sensor detection test of the production test menu, opened by its button or by
// "cmdTestSensordetection": the wired-sensor detection input and the converter's channel 2,
// once or continuously, shown and told to the station.
class TestmenuSensordetection : public TestDialog
{
    Q_OBJECT

public:
    static constexpr int kAutoreadIntervalMs = 1000;

    explicit TestmenuSensordetection(QWidget* parent = nullptr);
    ~TestmenuSensordetection() override;

public slots:
    void updateValues();

protected:
    bool executeOwnCommand(const QString& line) override;
    bool leaving() override;

private slots:
    void on_butRead_clicked();
    void on_butAutoread_clicked();

private:
    void stopBufferedCapture();

    Ui::TestmenuSensordetection* ui;
    QTimer* m_timer = nullptr;
    QFile m_adValue;
    QFile m_bufferEnable;
    int m_sensorAdVal = 0;
    int m_sensorDetected = 0;
    bool m_passOffered = false;
};

#endif // TESTMENUSENSORDETECTION_H
