#ifndef TESTMENUBATTERY_H
#define TESTMENUBATTERY_H

#include "Testmenu/testdialog.h"

class QLineEdit;
class QTimer;

namespace Ui {
class TestmenuBattery;
}

// The battery test of the production test menu, opened by its button or by "cmdTestBattery":
// shows the charger state and the fuel gauge's values, once or continuously, tells them to
// the station and flips the shared connector between UART and USB.
class TestmenuBattery : public TestDialog
{
    Q_OBJECT

public:
    static constexpr int kAutoreadIntervalMs = 1100;

    explicit TestmenuBattery(QWidget* parent = nullptr);
    ~TestmenuBattery() override;

public slots:
    void updateValues();

protected:
    bool executeOwnCommand(const QString& line) override;
    void commandArriving(const QString& line) override;
    bool leaving() override;

private slots:
    void on_butRead_clicked();
    void on_butAutoread_clicked();
    void on_butUartUsb_clicked();

private:
    bool readAttribute(const char* absolutePath, QString* text);
    void showValue(QLineEdit* field, bool readable, const QString& text);
    void selectConnector(bool uart);

    Ui::TestmenuBattery* ui;
    QTimer* m_timer = nullptr;
    int m_battFuelPercent = 0;
    bool m_charging = false;
    float m_voltage = 0;
    float m_current = 0;
    float m_temperature = 0;
    bool m_modeUart = true;
    bool m_passOffered = false;
};

#endif // TESTMENUBATTERY_H
