// The single-setting dialogs of the settings screen on their own: what each shows for a
// stored value, how its buttons and radio switch step through the values, what it hands
// back, and how each one is left. The screen around them is tst_settingsscreen.
#include "Audio/audiocodecsetup.h"
#include "Hardware/bluetooth.h"
#include "Management/SettingsAdjust/displaysettings.h"
#include "Management/SettingsAdjust/hearingprotection.h"
#include "Management/SettingsAdjust/powersaving.h"
#include "Management/SettingsAdjust/resetsettings.h"
#include "Management/SettingsAdjust/selectfavouritebutton.h"
#include "Management/SettingsAdjust/selectswitchmode.h"
#include "Management/SettingsAdjust/selecttimezone.h"
#include "Management/languageselect.h"
#include "Tools/messagedialog.h"
#include "codecmixer.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QApplication>
#include <QAudioDeviceInfo>
#include <QFile>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

using TestSupport::button;
using TestSupport::DeviceRoot;
using TestSupport::tapEscape;

namespace {

const char* const kBacklight = "/sys/class/backlight/backlight/brightness";

QLabel* label(QWidget* dialog, const char* name)
{
    return TestSupport::child<QLabel>(dialog, name);
}

QString radio(QWidget* dialog, const char* name)
{
    return SettingsDialog::radioSwitchImage(button(dialog, name));
}

// Runs the dialog modally and lets `act` work on it once it shows; returns exec()'s result.
int execWith(QDialog& dialog, const std::function<void(QDialog*)>& act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act] { act(&dialog); });
    return dialog.exec();
}

// Answers the next message dialog by its button (2 yes, 3 no, 1 Escape released).
void answerMessage(int answer)
{
    QTimer::singleShot(0, [answer] {
        auto* message = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        QVERIFY(message);
        if (answer == MessageDialog::ButtonYes)
            button(message, "butMiddle")->click();
        else if (answer == MessageDialog::ButtonNo)
            button(message, "butRight")->click();
        else
            tapEscape(message);
    });
}

} // namespace

class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        // The dialogs are also made here without a main window, which would load it.
        QVERIFY(TestSupport::installEnglish(m_english));
    }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    // ---- the frame they share ---------------------------------------------------------

    // The on/off key arrives as an Escape release: its press does nothing, its release
    // leaves like Cancel. Return and Enter never accept, whichever button has the focus.
    void keysOfEveryDialog()
    {
        DeviceRoot device;
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.emplace_back(new SelectSwitchmode);
        dialogs.emplace_back(new SelectFavouriteButton);
        dialogs.emplace_back(new Displaysettings);
        dialogs.emplace_back(new PowerSaving);
        dialogs.emplace_back(new ResetSettings);
        dialogs.emplace_back(new HearingProtection);
        dialogs.emplace_back(new LanguageSelect);
        for (auto& dialog : dialogs) {
            const QString name = QString::fromLatin1(dialog->metaObject()->className());
            QCOMPARE(dialog->size(), QSize(480, 272));
            QVERIFY2(dialog->windowFlags() & Qt::FramelessWindowHint, qPrintable(name));
            int result = execWith(*dialog, [name](QDialog* d) {
                for (QPushButton* b : d->findChildren<QPushButton*>()) {
                    if (!b->isVisible() || b->focusPolicy() == Qt::ClickFocus || b->focusPolicy() == Qt::NoFocus)
                        continue;
                    b->setFocus();
                    QTest::keyClick(b, Qt::Key_Return);
                    QTest::keyClick(b, Qt::Key_Enter);
                    QVERIFY2(d->isVisible(), qPrintable(name + ": closed by Return on " + b->objectName()));
                }
                TestSupport::holdEscape(d, [&] {
                    QVERIFY2(d->isVisible(), qPrintable(name + ": closed by the Escape press"));
                });
            });
            QCOMPARE(result, int(QDialog::Rejected));
        }
    }

    // Focus starts on the choice the dialog opens with, so the focus box and the switch agree.
    void focusStartsOnTheCurrentChoice()
    {
        DeviceRoot device;
        auto focusedAtOpen = [](QDialog& dialog) {
            QString name;
            execWith(dialog, [&name](QDialog* d) {
                name = d->focusWidget() ? d->focusWidget()->objectName() : QString();
                d->reject();
            });
            return name;
        };
        SelectSwitchmode switchmode;
        switchmode.init("Push-Button");
        QCOMPARE(focusedAtOpen(switchmode), QString("butPushButton"));
        SelectFavouriteButton favourite;
        favourite.init(0); // the screenshot, last in the column
        QCOMPARE(focusedAtOpen(favourite), QString("butFav_6"));
        device.write("/sys/class/backlight/backlight/brightness", "5");
        Displaysettings brightness;
        brightness.init();
        QCOMPARE(focusedAtOpen(brightness), QString("butBrightnessLow"));
        PowerSaving power;
        power.init(0, 600);
        QCOMPARE(focusedAtOpen(power), QString("butPow_6"));
        SelectTimezone summer;
        summer.init(1, 13, 0);
        QCOMPARE(focusedAtOpen(summer), QString("butWintertime"));
    }

    // ---- mute-key mode ------------------------------------------------------------------

    void switchmodeShowsAndReturnsTheStoredText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("afterSwitchClick");
        QTest::newRow("Switch") << "Switch" << "Radioswitch_top_2x40px.png" << "Push-Button";
        QTest::newRow("Push-Button") << "Push-Button" << "Radioswitch_bottom_2x40px.png" << "Switch";
        QTest::newRow("lower-case switch") << "switch" << "Radioswitch_bottom_2x40px.png" << "Switch";
        QTest::newRow("empty") << "" << "Radioswitch_bottom_2x40px.png" << "Switch";
    }
    void switchmodeShowsAndReturnsTheStoredText()
    {
        QFETCH(QString, stored);
        QFETCH(QString, image);
        QFETCH(QString, afterSwitchClick);
        SelectSwitchmode dialog;
        dialog.init(stored);
        QCOMPARE(radio(&dialog, "butSwitchSelect"), image);
        QCOMPARE(dialog.getSwitchmode(), stored); // unknown text kept until the user picks
        button(&dialog, "butSwitchSelect")->click();
        QCOMPARE(dialog.getSwitchmode(), afterSwitchClick);
        button(&dialog, "butPushButton")->click();
        QCOMPARE(dialog.getSwitchmode(), QString("Push-Button"));
        QCOMPARE(radio(&dialog, "butSwitchSelect"), QString("Radioswitch_bottom_2x40px.png"));
        button(&dialog, "butSwitch")->click();
        QCOMPARE(dialog.getSwitchmode(), QString("Switch"));
        QCOMPARE(radio(&dialog, "butSwitchSelect"), QString("Radioswitch_top_2x40px.png"));
        QCOMPARE(button(&dialog, "butSwitchSelect")->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(execWith(dialog, [](QDialog* d) { button(d, "butAccept")->click(); }), int(QDialog::Accepted));
    }

    // ---- favourite key -------------------------------------------------------------------

    void favouriteInitAndPositions_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("position");
        QTest::newRow("0 screenshot") << 0 << 0 << 6;
        QTest::newRow("1 histogram") << 1 << 1 << 2;
        QTest::newRow("2 level") << 2 << 2 << 1;
        QTest::newRow("5 pipe locating") << 5 << 5 << 5;
        QTest::newRow("7 out of range") << 7 << 2 << 1;
        QTest::newRow("-1 out of range") << -1 << 2 << 1;
    }
    void favouriteInitAndPositions()
    {
        QFETCH(int, stored);
        QFETCH(int, selected);
        QFETCH(int, position);
        SelectFavouriteButton dialog;
        dialog.init(stored);
        QString text;
        QCOMPARE(dialog.getFavouriteButton(&text), selected);
        QCOMPARE(radio(&dialog, "butSwitchFavourite"), QString("Radioswitch_pos%1_6x38px.png").arg(position));
        const QStringList expected = {"Level measurement", "Histogram", "Long-term measurement",
                                      "H2 sensor", "Pipe locating", "Screenshot"};
        QCOMPARE(text, expected.at(position - 1));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(button(&dialog, qPrintable(QString("butFav_%1").arg(i + 1)))->text(), expected.at(i));
    }

    void favouriteButtonsAndSwitch()
    {
        SelectFavouriteButton dialog;
        dialog.init(4);
        const int numbers[6] = {2, 1, 3, 4, 5, 0};
        for (int i = 0; i < 6; ++i) {
            button(&dialog, qPrintable(QString("butFav_%1").arg(i + 1)))->click();
            QCOMPARE(dialog.getFavouriteButton(nullptr), numbers[i]);
            QCOMPARE(radio(&dialog, "butSwitchFavourite"), QString("Radioswitch_pos%1_6x38px.png").arg(i + 1));
        }
        // From the last position the switch goes round: 0, 2, 1, 3, 4, 5 and back to 0.
        QList<int> seen;
        for (int i = 0; i < 6; ++i) {
            button(&dialog, "butSwitchFavourite")->click();
            seen.append(dialog.getFavouriteButton(nullptr));
        }
        QCOMPARE(seen, QList<int>({2, 1, 3, 4, 5, 0}));
    }

    // ---- brightness -------------------------------------------------------------------

    void brightnessReadsAndWritesTheBacklight_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("image");
        QTest::newRow("7 with line end") << QByteArray("7\n") << 7 << "Radioswitch_top_3x40px.png";
        QTest::newRow("5") << QByteArray("5") << 5 << "Radioswitch_bottom_3x40px.png";
        QTest::newRow("255 shown as medium") << QByteArray("255") << 6 << "Radioswitch_middle_3x40px.png";
        QTest::newRow("0 shown as medium") << QByteArray("0") << 6 << "Radioswitch_middle_3x40px.png";
        QTest::newRow("no number") << QByteArray("abc") << 6 << "Radioswitch_middle_3x40px.png";
    }
    void brightnessReadsAndWritesTheBacklight()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, level);
        QFETCH(QString, image);
        DeviceRoot device;
        device.write(kBacklight, file);
        Displaysettings dialog;
        dialog.init();
        QCOMPARE(dialog.getBrightness(nullptr), level);
        QCOMPARE(radio(&dialog, "butBrightnessSelect"), image);
        QCOMPARE(device.read(kBacklight), QByteArray::number(level));
        QVERIFY(TestSupport::logged("Current Brightness:"));
    }

    // Each choice is on the display at once; accepting keeps it, any other way out puts
    // back what the backlight had when the dialog opened.
    void brightnessTriedOutAndTakenBack_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QByteArray>("backlightAfter");
        QTest::newRow("accept") << "butAccept" << QByteArray("5");
        QTest::newRow("cancel") << "butClose" << QByteArray("7");
        QTest::newRow("on/off key") << "Escape" << QByteArray("7");
    }
    void brightnessTriedOutAndTakenBack()
    {
        QFETCH(QString, leave);
        QFETCH(QByteArray, backlightAfter);
        DeviceRoot device;
        device.write(kBacklight, "7");
        device.journalWrites();
        Displaysettings dialog;
        dialog.init();
        execWith(dialog, [&](QDialog* d) {
            button(d, "butBrightnessLow")->click();
            QCOMPARE(device.read(kBacklight), QByteArray("5"));
            if (leave == "Escape")
                tapEscape(d);
            else
                button(d, qPrintable(leave))->click();
        });
        QCOMPARE(device.read(kBacklight), backlightAfter);
        QString text;
        QCOMPARE(dialog.getBrightness(&text), 5);
        QCOMPARE(text, QString("low"));
    }

    void brightnessSwitchCycle()
    {
        DeviceRoot device;
        device.write(kBacklight, "6");
        Displaysettings dialog;
        dialog.init();
        QList<int> seen;
        for (int i = 0; i < 3; ++i) {
            button(&dialog, "butBrightnessSelect")->click();
            seen.append(dialog.getBrightness(nullptr));
        }
        QCOMPARE(seen, QList<int>({5, 7, 6}));
        button(&dialog, "butBrightnessHigh")->click();
        QCOMPARE(device.read(kBacklight), QByteArray("7"));
        QCOMPARE(Displaysettings::brightness2text(4), QString());
    }

    // ---- power saving -----------------------------------------------------------------

    void powerSavingInitAndGetters_data()
    {
        QTest::addColumn<int>("powerIn");
        QTest::addColumn<int>("backlightIn");
        QTest::addColumn<int>("powerOut");
        QTest::addColumn<QString>("powerText");
        QTest::addColumn<int>("powerPosition");
        QTest::addColumn<int>("backlightOut");
        QTest::addColumn<QString>("backlightText");
        QTest::addColumn<int>("backlightPosition");
        QTest::newRow("values not in the table") << 45 << 45 << 3600 << "1 h" << 3 << 600 << "10 min" << 4;
        QTest::newRow("old never -1 becomes 0") << -1 << -1 << 0 << "never" << 6 << 0 << "never" << 6;
        QTest::newRow("never") << 0 << 0 << 0 << "never" << 6 << 0 << "never" << 6;
        QTest::newRow("first positions") << 600 << 30 << 600 << "10 min" << 1 << 30 << "30 s" << 1;
        QTest::newRow("fifth positions") << 10800 << 1800 << 10800 << "3 h" << 5 << 1800 << "30 min" << 5;
    }
    void powerSavingInitAndGetters()
    {
        QFETCH(int, powerIn);
        QFETCH(int, backlightIn);
        QFETCH(int, powerOut);
        QFETCH(QString, powerText);
        QFETCH(int, powerPosition);
        QFETCH(int, backlightOut);
        QFETCH(QString, backlightText);
        QFETCH(int, backlightPosition);
        PowerSaving dialog;
        dialog.init(powerIn, backlightIn);
        QCOMPARE(radio(&dialog, "butSwitchPower"), QString("Radioswitch_pos%1_6x38px.png").arg(powerPosition));
        QCOMPARE(radio(&dialog, "butSwitchBacklight"), QString("Radioswitch_pos%1_6x38px.png").arg(backlightPosition));
        QString text;
        QCOMPARE(dialog.getPowerOffTime(&text), powerOut);
        QCOMPARE(text, powerText);
        QCOMPARE(dialog.getBacklightOffTime(&text), backlightOut);
        QCOMPARE(text, backlightText);
    }

    void powerSavingButtonsAndSwitches()
    {
        PowerSaving dialog;
        dialog.init(3600, 600);
        const int power[6] = {600, 1800, 3600, 7200, 10800, 0};
        const int backlight[6] = {30, 60, 300, 600, 1800, 0};
        for (int i = 0; i < 6; ++i) {
            button(&dialog, qPrintable(QString("butPow_%1").arg(i + 1)))->click();
            button(&dialog, qPrintable(QString("butBl_%1").arg(6 - i)))->click();
            QCOMPARE(dialog.getPowerOffTime(nullptr), power[i]);
            QCOMPARE(dialog.getBacklightOffTime(nullptr), backlight[5 - i]);
        }
        // Power-off is at "never", backlight-off at "30 s": each switch goes round once.
        QList<int> powerSeen, backlightSeen;
        for (int i = 0; i < 6; ++i) {
            button(&dialog, "butSwitchPower")->click();
            button(&dialog, "butSwitchBacklight")->click();
            powerSeen.append(dialog.getPowerOffTime(nullptr));
            backlightSeen.append(dialog.getBacklightOffTime(nullptr));
        }
        QCOMPARE(powerSeen, QList<int>({600, 1800, 3600, 7200, 10800, 0}));
        QCOMPARE(backlightSeen, QList<int>({60, 300, 600, 1800, 0, 30}));
    }

    // ---- reset -------------------------------------------------------------------------

    void resetAskedOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("log");
        QTest::newRow("yes") << int(MessageDialog::ButtonYes) << int(QDialog::Accepted) << "Messagedialog Button Yes";
        QTest::newRow("no") << int(MessageDialog::ButtonNo) << int(QDialog::Rejected) << "Messagedialog Button No";
        QTest::newRow("Escape in the message") << int(MessageDialog::ButtonCancel) << int(QDialog::Rejected)
                                               << "Messagedialog Button Unknown";
    }
    void resetAskedOnce()
    {
        QFETCH(int, answer);
        QFETCH(int, result);
        QFETCH(QString, log);
        ResetSettings dialog;
        const int got = execWith(dialog, [answer](QDialog* d) {
            answerMessage(answer);
            button(d, "butReset")->click();
        });
        QCOMPARE(got, result);
        QVERIFY(TestSupport::logged(log));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(execWith(dialog, [](QDialog* d) { button(d, "butMenuBack")->click(); }), int(QDialog::Rejected));
    }

    // ---- language ----------------------------------------------------------------------

    void languageButtonsAndPages()
    {
        LanguageSelect dialog;
        QCOMPARE(dialog.getSelectedLanguage(), 1);
        const QList<QPair<const char*, int>> buttons = {
            {"butEnglish", 1},    {"butGerman", 2},     {"butFrench", 3},     {"butSpanish", 5},
            {"butItalian", 4},    {"butRussian", 9},    {"butChinese", 6},    {"butCzech", 7},
            {"butHungarian", 8},  {"butSlovenian", 10}, {"butPolish", 12},    {"butRomanian", 14},
            {"butSlovakian", 15}, {"butPortuguese", 13}, {"butJapanese", 11}, {"butSwedish", 16},
            {"butSuomi", 17},     {"butDanish", 18},    {"butNorwegian", 19}, {"butBulgarian", 20},
            {"butCroatian", 21},  {"butKorean", 22},    {"butSerbian", 23},   {"butTurkish", 24},
        };
        auto* pages = dialog.findChild<QStackedWidget*>("mainArea");
        for (int i = 0; i < buttons.size(); ++i) {
            QPushButton* b = button(&dialog, buttons.at(i).first);
            // Five to a page, in the order of the list.
            QCOMPARE(b->parentWidget(), pages->widget(i / 5));
            QCOMPARE(b->geometry(), QRect(5, 5 + 53 * (i % 5), 416, 50));
            QCOMPARE(execWith(dialog, [b](QDialog*) { b->click(); }), int(QDialog::Accepted));
            QCOMPARE(dialog.getSelectedLanguage(), buttons.at(i).second);
        }

        QCOMPARE(dialog.currentPage(), 1);
        button(&dialog, "butMenuUp")->click();
        QCOMPARE(dialog.currentPage(), 5);
        QCOMPARE(pages->currentIndex(), 4);
        button(&dialog, "butMenuDown")->click();
        QCOMPARE(dialog.currentPage(), 1);
        button(&dialog, "butMenuDown")->click();
        button(&dialog, "butMenuDown")->click();
        // Left on page 3, it opens on page 3 again and keeps the last choice.
        QCOMPARE(execWith(dialog, tapEscape), int(QDialog::Rejected));
        QCOMPARE(execWith(dialog, [](QDialog* d) { button(d, "butMenuBack")->click(); }), int(QDialog::Rejected));
        QCOMPARE(dialog.currentPage(), 3);
        QCOMPARE(pages->currentIndex(), 2);
        QCOMPARE(dialog.getSelectedLanguage(), 24);
    }

    // ---- hearing protection --------------------------------------------------------------

    void hearingProtectionInit_data()
    {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("warning");
        QTest::newRow("off, 12 out of range") << false << 12 << "0" << "Radioswitch_bottom_2x40px.png"
                                              << "Warning! Risk of an acoustic shock.";
        QTest::newRow("off, -4") << false << -4 << "-4" << "Radioswitch_bottom_2x40px.png"
                                 << "Warning! Risk of an acoustic shock.";
        QTest::newRow("off, -5 out of range") << false << -5 << "0" << "Radioswitch_bottom_2x40px.png"
                                              << "Warning! Risk of an acoustic shock.";
        QTest::newRow("on, 10") << true << 10 << "10" << "Radioswitch_top_2x40px.png"
                                << "Maximum volume will be limited.";
    }
    void hearingProtectionInit()
    {
        QFETCH(bool, protection);
        QFETCH(int, offset);
        QFETCH(QString, shown);
        QFETCH(QString, image);
        QFETCH(QString, warning);
        DeviceRoot device;
        MainMenu menu;
        HearingProtection dialog;
        dialog.init(protection, offset);
        QCOMPARE(label(&dialog, "labelHeadphoneVolumeOffset")->text(), shown);
        QCOMPARE(dialog.getHeadphoneVolumeOffset(), shown.toInt());
        QCOMPARE(dialog.getModeHearingProtection(), protection);
        QCOMPARE(radio(&dialog, "butSelect"), image);
        QCOMPARE(label(&dialog, "labelWarning")->text(), warning);
        for (const char* name : {"butVolDown", "butVolUp", "butPlayPause"})
            QCOMPARE(button(&dialog, name)->isVisibleTo(&dialog), !protection);
        QCOMPARE(label(&dialog, "labelDefaultHeadphoneVolume")->isVisibleTo(&dialog), !protection);
        QCOMPARE(label(&dialog, "labelHeadphoneVolumeOffset")->isVisibleTo(&dialog), !protection);
    }

    // The volume buttons send offset + 5 to the headphones at once, also at the limits.
    void hearingProtectionVolumeIsClampedAndSent()
    {
        DeviceRoot device;
        MainMenu menu;
        Bluetooth* headphones = menu.getBtSourceInstance();
        HearingProtection dialog;
        dialog.init(false, 9);
        button(&dialog, "butVolUp")->click();
        QCOMPARE(headphones->getBtAdcGain(), 15);
        headphones->setBtAdcGain(3);
        button(&dialog, "butVolUp")->click();
        QCOMPARE(dialog.getHeadphoneVolumeOffset(), 10);
        QCOMPARE(label(&dialog, "labelHeadphoneVolumeOffset")->text(), QString("10"));
        QCOMPARE(headphones->getBtAdcGain(), 15);

        dialog.init(false, -3);
        button(&dialog, "butVolDown")->click();
        headphones->setBtAdcGain(3);
        button(&dialog, "butVolDown")->click();
        QCOMPARE(dialog.getHeadphoneVolumeOffset(), -4);
        QCOMPARE(headphones->getBtAdcGain(), 1);
    }

    void hearingProtectionSwitchingOnStopsTheTone()
    {
        DeviceRoot device;
        MainMenu menu;
        HearingProtection dialog;
        dialog.init(true, 0);
        button(&dialog, "butSelect")->click();
        QVERIFY(!dialog.getModeHearingProtection());
        QVERIFY(button(&dialog, "butPlayPause")->isVisibleTo(&dialog));
        button(&dialog, "butPlayPause")->click();
        QVERIFY(dialog.isTesttonePlaying());
        QVERIFY(TestSupport::logged("Play Testtone"));
        QCOMPARE(CodecMixer::inputPath(device), 0); // playback routing
        QVERIFY(!menu.isAudioPathMuted());

        button(&dialog, "butEnabled")->click();
        QVERIFY(!dialog.isTesttonePlaying());
        QCOMPARE(dialog.player()->state(), QMediaPlayer::StoppedState);
        QVERIFY(!button(&dialog, "butPlayPause")->isVisibleTo(&dialog));
        QCOMPARE(label(&dialog, "labelWarning")->text(), QString("Maximum volume will be limited."));

        button(&dialog, "butDisabled")->click();
        button(&dialog, "butPlayPause")->click();
        button(&dialog, "butPlayPause")->click();
        QVERIFY(!dialog.isTesttonePlaying());
        QVERIFY(TestSupport::logged("Pause Testtone"));
        // Pausing leaves codec and path as the tone had them.
        QCOMPARE(CodecMixer::inputPath(device), 0);
        QVERIFY(!menu.isAudioPathMuted());
    }

    // Accept, Cancel and the on/off key all leave the tone off, the codec listening and
    // the path muted.
    void hearingProtectionCleansUpOnEveryWayOut_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::addColumn<int>("result");
        QTest::newRow("accept") << "butAccept" << int(QDialog::Accepted);
        QTest::newRow("cancel") << "butClose" << int(QDialog::Rejected);
        QTest::newRow("on/off key") << "Escape" << int(QDialog::Rejected);
    }
    void hearingProtectionCleansUpOnEveryWayOut()
    {
        QFETCH(QString, leave);
        QFETCH(int, result);
        DeviceRoot device;
        MainMenu menu;
        HearingProtection dialog;
        dialog.init(false, 2);
        const int got = execWith(dialog, [&](QDialog* d) {
            button(d, "butPlayPause")->click();
            QVERIFY(!menu.isAudioPathMuted());
            if (leave == "Escape")
                tapEscape(d);
            else
                button(d, qPrintable(leave))->click();
        });
        QCOMPARE(got, result);
        QVERIFY(!dialog.isTesttonePlaying());
        QCOMPARE(dialog.player()->state(), QMediaPlayer::StoppedState);
        QVERIFY(menu.isAudioPathMuted());
        QVERIFY(menu.getAudioCodecInstance()->isMuted());
        QCOMPARE(CodecMixer::inputPath(device), 1); // listening routing
        QCOMPARE(menu.getBtSourceInstance()->getBtAdcGain(), 0);
    }

    // ---- the test tone and the host's sound device ---------------------------------------

    void testToneIsA300HzSineAtFullScale()
    {
        QFile file(QString::fromLatin1(HearingProtection::kTesttone));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
        QCOMPARE(u16(20), quint16(1));     // PCM
        QCOMPARE(u16(22), quint16(2));     // channels
        QCOMPARE(u32(24), quint32(44100)); // Hz
        QCOMPARE(u16(34), quint16(16));    // bit
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const int frames = int(u32(40) / 4);
        QCOMPARE(frames, 441000); // 10 s
        const auto* interleaved = reinterpret_cast<const qint16*>(wav.constData() + 44);
        QVector<qint16> samples(frames);
        int peak = 0;
        int rising = 0;
        for (int i = 0; i < frames; ++i) {
            QCOMPARE(interleaved[2 * i + 1], interleaved[2 * i]); // both channels alike
            samples[i] = interleaved[2 * i];
            peak = qMax(peak, qAbs(int(samples[i])));
            if (i > 0 && samples[i - 1] < 0 && samples[i] >= 0)
                ++rising;
        }
        QVERIFY2(peak >= 32760, qPrintable(QString::number(peak))); // full scale: the crest falls between samples
        QCOMPARE(rising, 3000 - 1); // 300 periods a second; the first starts at sample 0
        // The loop joins without a step: the last sample leads into the first.
        QVERIFY(qAbs(int(samples[frames - 1]) - int(samples[0])) < 4000);
    }

    // The host's ALSA configuration offers "sysdefault" and plays into a file, so the
    // media player's real ALSA path runs; the tone reaches it while it plays.
    void testTonePlaysThroughTheHostSoundDevice()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("ALSA_CONFIG_PATH"), "run through ctest: ALSA_CONFIG_PATH is not set");
        QTemporaryDir dir;
        const QString playback = dir.filePath("playback.raw");
        qputenv("TK9400_ALSA_PLAYBACK", playback.toLocal8Bit());

        QStringList outputs, inputs;
        for (const QAudioDeviceInfo& info : QAudioDeviceInfo::availableDevices(QAudio::AudioOutput))
            outputs << info.deviceName();
        for (const QAudioDeviceInfo& info : QAudioDeviceInfo::availableDevices(QAudio::AudioInput))
            inputs << info.deviceName();
        QVERIFY2(outputs.contains("sysdefault"), qPrintable(outputs.join(',')));
        QVERIFY2(inputs.contains("sysdefault"), qPrintable(inputs.join(',')));

        DeviceRoot device;
        MainMenu menu;
        HearingProtection dialog;
        dialog.init(false, 0);
        button(&dialog, "butPlayPause")->click();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.player()->state(), QMediaPlayer::PlayingState, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(playback).size() > 32000, 10000);
        QCOMPARE(dialog.player()->error(), QMediaPlayer::NoError);
        button(&dialog, "butPlayPause")->click();
        QCOMPARE(dialog.player()->state(), QMediaPlayer::StoppedState);

        // Not silence: the tone's full-scale samples are in what was played.
        QFile played(playback);
        QVERIFY(played.open(QIODevice::ReadOnly));
        const QByteArray bytes = played.readAll();
        int peak = 0;
        const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
        for (int i = 0; i < bytes.size() / 2; ++i)
            peak = qMax(peak, qAbs(int(samples[i])));
        QVERIFY2(peak > 16000, qPrintable(QString::number(peak)));
        qunsetenv("TK9400_ALSA_PLAYBACK");
    }

private:
    QTranslator m_english;
};

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
