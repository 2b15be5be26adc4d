#ifndef TOOLTIPBUTTON_H
#define TOOLTIPBUTTON_H

#include <QPoint>
#include <QRect>
#include <QPushButton>

class QTimer;

// A push button that shows its tool tip when it is held down for a while; a short tap
// clicks as usual without a tool tip.
class TooltipButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TooltipButton(QWidget* parent = nullptr);

    static const int kHoldTimeMs = 700;
    // The tool tip stands this far left of the finger so the finger does not cover it.
    static const int kTooltipOffsetX = 30;

public slots:
    void displayTooltip();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    static void keepTooltipInside(const QRect& room);

    QPoint m_point;
    // A child of the button, so a button deleted while held calls nothing.
    QTimer* m_holdTimer;
};

#endif // TOOLTIPBUTTON_H
