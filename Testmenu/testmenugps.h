#ifndef TESTMENUGPS_H
#define TESTMENUGPS_H

#include "Testmenu/testdialog.h"

class Gps;
class QTimer;

namespace Ui {
class TestmenuGps;
}

// The GPS test of the production test menu, opened by its button or by "cmdTestGps":
// whether the receiver delivers RMC sentences while the test runs, and whether its
// position lies away from zero.
class TestmenuGps : public TestDialog
{
    Q_OBJECT

public:
    static constexpr int kReadingIntervalMs = 1500;
    static constexpr double kZeroBound = 0.00001;

    explicit TestmenuGps(QWidget* parent = nullptr);
    ~TestmenuGps() override;

public slots:
    void updateGpsData();

protected:
    bool executeOwnCommand(const QString& line) override;

private:
    Ui::TestmenuGps* ui;
    Gps* m_gpsModul = nullptr;
    QTimer* m_timer = nullptr;
    bool m_modulConnected = false;
    bool m_gpsPositionValid = false;
};

#endif // TESTMENUGPS_H
