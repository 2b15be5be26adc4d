#ifndef SETTINGSBUTTON_H
#define SETTINGSBUTTON_H

#include "Tools/buttonstate.h"

#include <QPushButton>
#include <QString>

// A push button painting two lines: a bold title and, right-aligned below it, the
// current value. The icon strip on the left comes from the form's style sheet.
class SettingsButton : public QPushButton
{
    Q_OBJECT
public:
    explicit SettingsButton(QWidget* parent = nullptr);

    void setText2(const QString& text1, const QString& text2);
    QString getText1() const;
    QString getText2() const;

    // Never shown: list screens keep the key of the entry behind the button here.
    void setAdditionalInfo(const QString& info);
    QString getAdditionalInfo() const;

    static const int kTextLeft = 55;
    static const int kTextWidth = 356;
    static const int kLineHeight = 25;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString firstText;
    QString secondText;
    ButtonColours m_colours;
    QString m_additionalInfo;
};

#endif // SETTINGSBUTTON_H
