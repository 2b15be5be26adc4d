#ifndef TEXTSIZE_H
#define TEXTSIZE_H

#include <QFont>
#include <QWidget>
#include <initializer_list>

// Gives the widgets' text a smaller size than the screen's so that it fits them. Set in
// pixels: a form's point size loses against the pixel size of the application font.
inline void setTextPixelSize(std::initializer_list<QWidget*> widgets, int pixels)
{
    for (QWidget* widget : widgets) {
        QFont font = widget->font();
        font.setPixelSize(pixels);
        widget->setFont(font);
    }
}

#endif // TEXTSIZE_H
