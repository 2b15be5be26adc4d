#ifndef TESTMENUDISPLAY_H
#define TESTMENUDISPLAY_H

#include "Testmenu/testdialog.h"

class QGraphicsScene;

namespace Ui {
class TestmenuDisplay;
}

// The display test of the production test menu, opened by its button or by
// "cmdTestDisplay": shows a grid, colour bands or colour ramps over the whole screen for
// a while, for the operator to judge by eye.
class TestmenuDisplay : public TestDialog
{
    Q_OBJECT

public:
    // How long a pattern stays before the default view returns; tests shorten it.
    static const int kPatternMs = 5000;
    static int& patternMs();

    explicit TestmenuDisplay(QWidget* parent = nullptr);
    ~TestmenuDisplay() override;

public slots:
    void defaultView();
    void hideAllElements();
    void showAllElements();

private slots:
    void on_butGrid_clicked();
    void on_butColor_clicked();
    void on_butGradient_clicked();

protected:
    bool executeOwnCommand(const QString& line) override;

private:
    void setViewGeometry(int x, int y, int width, int height);
    void patternShown();

    Ui::TestmenuDisplay* ui;
    QGraphicsScene* scene = nullptr;
};

#endif // TESTMENUDISPLAY_H
