#ifndef TESTMENUINITBLUETOOTH_H
#define TESTMENUINITBLUETOOTH_H

#include "Testmenu/testdialog.h"

class Bluetooth;

namespace Ui {
class TestmenuInitBluetooth;
}

// The bluetooth module initialisation of the production test menu, opened by its button or
// by "cmdTestBluetooth": writes the factory set-up into the source (headphone) or the sink
// (sensor-unit) module, asks the module for its settings and, some seconds later, checks
// the name and profile it answered. The result is shown, never answered to the station.
class TestmenuInitBluetooth : public TestDialog
{
    Q_OBJECT

public:
    static constexpr int kDefaultCheckDelayMs = 5000;
    // From the settings query to the check; tests shorten it.
    static int& checkDelayMs();

    explicit TestmenuInitBluetooth(QWidget* parent = nullptr);
    ~TestmenuInitBluetooth() override;

public slots:
    void updateSourceData();
    void updateSinkData();

protected:
    bool executeOwnCommand(const QString& line) override;

private slots:
    void on_butInitBtSource_clicked();
    void on_butInitBtSink_clicked();
    void on_butResetBtSource_clicked();
    void on_butResetBtSink_clicked();
    void on_butPairBtSource_clicked();
    void on_butPairBtSink_clicked();

private:
    static void resetModule(Bluetooth* module);

    Ui::TestmenuInitBluetooth* ui;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
};

#endif // TESTMENUINITBLUETOOTH_H
