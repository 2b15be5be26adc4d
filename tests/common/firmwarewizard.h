#ifndef FIRMWAREWIZARD_H
#define FIRMWAREWIZARD_H

// Looking at the firmware update wizard, for its tests.
#include "Management/firmwareupdate.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QStackedWidget>
#include <QtTest>

namespace TestSupport {

inline QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

inline QString wizardPage(const Firmwareupdate& wizard)
{
    return child<QStackedWidget>(wizard, "mainArea")->currentWidget()->objectName();
}

// The text of a label or a line edit of the wizard.
inline QString wizardText(const Firmwareupdate& wizard, const char* name)
{
    if (auto* edit = wizard.findChild<QLineEdit*>(name))
        return edit->text();
    return child<QLabel>(wizard, name)->text();
}

inline void shootWizard(Firmwareupdate& wizard, const QString& name)
{
    QVERIFY(wizard.grab().save(screenshotPath("firmwareupdate_" + name + ".png")));
}

} // namespace TestSupport

#endif // FIRMWAREWIZARD_H
