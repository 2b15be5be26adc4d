#ifndef ICONBUTTON_H
#define ICONBUTTON_H

#include "Tools/buttonstate.h"

#include <QPushButton>
#include <QString>

// A push button whose text is painted to the right of the icon area of its style sheet.
class IconButton : public QPushButton
{
    Q_OBJECT
public:
    explicit IconButton(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

    static const int kTextLeft = 52;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    ButtonColours m_colours;
};

#endif // ICONBUTTON_H
