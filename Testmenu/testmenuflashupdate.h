#ifndef TESTMENUFLASHUPDATE_H
#define TESTMENUFLASHUPDATE_H

#include "Testmenu/testdialog.h"

class QByteArray;

namespace Ui {
class TestMenuFlashUpdate;
}

// The flash update test of the production test menu, opened by its button or by
// "cmdFlashUpdate": Generate puts the marker ".do_update" on the boot partition, which the
// device's start-up acts on, and shows the partition's listing.
class TestMenuFlashUpdate : public TestDialog
{
    Q_OBJECT

public:
    // How long the listing of the boot partition may take.
    static const int kOutputWaitMs = 3000;

    explicit TestMenuFlashUpdate(QWidget* parent = nullptr);
    ~TestMenuFlashUpdate() override;

private slots:
    void on_butStart_clicked();

protected:
    bool executeOwnCommand(const QString& line) override;

private:
    static bool listsMarker(const QByteArray& listing);

    Ui::TestMenuFlashUpdate* ui;
};

#endif // TESTMENUFLASHUPDATE_H
