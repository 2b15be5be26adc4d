#ifndef TESTMENU_H
#define TESTMENU_H

#include <QDialog>

// Service menu dialog (placeholder until its menu is built); run modally by the main window.
class TestMenu : public QDialog
{
    Q_OBJECT
public:
    explicit TestMenu(QWidget* parent = nullptr);
};

#endif // TESTMENU_H
