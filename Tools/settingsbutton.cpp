#include "Tools/settingsbutton.h"

#include "Tools/buttonstate.h"

#include <QFont>
#include <QPainter>

SettingsButton::SettingsButton(QWidget* parent)
    : QPushButton(parent)
    , m_colours{Qt::white, Qt::black}
{
    setFont(QFont(QStringLiteral("Arial Unicode MS"), 12));
}

void SettingsButton::setText2(const QString& text1, const QString& text2)
{
    setText(QString());
    firstText = text1;
    secondText = text2;
    update();
}

QString SettingsButton::getText1() const
{
    return firstText;
}

QString SettingsButton::getText2() const
{
    return secondText;
}

void SettingsButton::setAdditionalInfo(const QString& info)
{
    m_additionalInfo = info;
}

QString SettingsButton::getAdditionalInfo() const
{
    return m_additionalInfo;
}

void SettingsButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);

    QPainter painter(this);
    paintFocusRing(painter, this);
    m_colours = beginButtonText(painter, this);

    const QFont widgetFont = font();
    QFont titleFont(widgetFont.defaultFamily(), widgetFont.pointSize(), 75);
    QFont valueFont(widgetFont.defaultFamily(), widgetFont.pointSize(), 50);

    painter.setFont(titleFont);
    painter.drawText(QRect(kTextLeft, 0, kTextWidth, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter, firstText);
    painter.setFont(valueFont);
    painter.drawText(QRect(kTextLeft, kLineHeight, kTextWidth, kLineHeight), Qt::AlignRight | Qt::AlignVCenter,
                     secondText);
}
