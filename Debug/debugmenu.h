#ifndef DEBUGMENU_H
#define DEBUGMENU_H

#include <QDialog>

// Service menu dialog (placeholder until its menu is built); run modally by the main window.
class DebugMenu : public QDialog
{
    Q_OBJECT
public:
    explicit DebugMenu(QWidget* parent = nullptr);
};

#endif // DEBUGMENU_H
