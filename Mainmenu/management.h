#ifndef MANAGEMENT_H
#define MANAGEMENT_H

#include <QWidget>

// Page with widget number of its own (placeholder until its screen is built).
class Management : public QWidget
{
    Q_OBJECT
public:
    explicit Management(QWidget* parent = nullptr);
    void init();

signals:
    void gotoWidget(int widget, int dir, int variant);
};

#endif // MANAGEMENT_H
