#ifndef PICTUREBUTTON_H
#define PICTUREBUTTON_H

#include <QPointF>
#include <QPushButton>

// A push button that reports where on it the finger was lifted (the time-zone map picks
// its zone from that point). It emits mouseReleased() instead of clicked().
class PictureButton : public QPushButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    QPointF getReleasePos() const;

signals:
    void mouseReleased(QPointF pos);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF m_pos;
};

#endif // PICTUREBUTTON_H
