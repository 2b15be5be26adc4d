#ifndef MEASMANAGEMENT_H
#define MEASMANAGEMENT_H

#include <QWidget>

// Page with widget number of its own (placeholder until its screen is built).
class MeasManagement : public QWidget
{
    Q_OBJECT
public:
    explicit MeasManagement(QWidget* parent = nullptr);
    void init(int a_pageNum, bool a_editmode);

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);
};

#endif // MEASMANAGEMENT_H
