#include "Tools/virtualkeyboard.h"
#include "testsupport.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using TestSupport::screenshotPath;

namespace {

QPushButton* key(VirtualKeyboard& keyboard, const QString& name)
{
    return TestSupport::button(keyboard, QStringLiteral("but_") + name);
}

QPlainTextEdit* field(VirtualKeyboard& keyboard)
{
    return keyboard.findChild<QPlainTextEdit*>(QStringLiteral("textEdit"));
}

void tap(VirtualKeyboard& keyboard, const QString& name)
{
    QTest::mouseClick(key(keyboard, name), Qt::LeftButton);
}

void setCursor(VirtualKeyboard& keyboard, int position)
{
    QTextCursor cursor = field(keyboard)->textCursor();
    cursor.setPosition(position);
    field(keyboard)->setTextCursor(cursor);
}

// The labels of the digit row, the letters Q W E and the underline key.
QStringList labels(VirtualKeyboard& keyboard)
{
    QStringList result;
    for (const QString& name : QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Q", "W", "E", "Underline",
                                           "Minus", "Space"})
        result << key(keyboard, name)->text();
    return result;
}

const QStringList kCapitals{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Q", "W", "E", "_", "-", " "};
const QStringList kLowerCase{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "q", "w", "e", "_", "-", " "};
const QStringList kPunctuation{"!", ":", ".", ",", "+", "/", "\"", "*", "@", "?", "q", "w", "e", "=", "-", " "};

} // namespace

class TestVirtualKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void keyFieldSetUp()
    {
        VirtualKeyboard keyboard;
        // Until the first refresh the keys show the form's capitals.
        QCOMPARE(labels(keyboard), kCapitals);
        QCOMPARE(key(keyboard, "Enter")->geometry(), QRect(392, 166, 83, 40));
        for (const QString& name : QStringList{"Close", "Del", "Enter", "Shift", "Space", "Accept"}) {
            QVERIFY2(key(keyboard, name)->inherits("TooltipButton"), qPrintable(name));
        }
        for (QPushButton* b : keyboard.findChildren<QPushButton*>())
            QVERIFY2(!b->autoDefault() && !b->isDefault(), qPrintable(b->objectName()));
    }

    void keyImagesExist()
    {
        VirtualKeyboard keyboard;
        const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
        int images = 0;
        for (QPushButton* b : keyboard.findChildren<QPushButton*>()) {
            auto it = url.globalMatch(b->styleSheet());
            while (it.hasNext()) {
                const QString path = it.next().captured(1);
                QVERIFY2(QFile::exists(path), qPrintable(path));
                ++images;
            }
        }
        QCOMPARE(images, 10); // Accept, Close, and Del, Enter, Shift, Space with their pressed pictures
    }

    // A name starts with a capital and continues in lower case unless Shift is pressed.
    void caseRule()
    {
        VirtualKeyboard keyboard;
        keyboard.setText(QString());
        QVERIFY(!keyboard.isLowerCase());
        QCOMPARE(labels(keyboard), kCapitals);

        tap(keyboard, "M");
        QCOMPARE(keyboard.getText(), QStringLiteral("M"));
        QCOMPARE(labels(keyboard), kLowerCase);
        tap(keyboard, "A");
        QCOMPARE(keyboard.getText(), QStringLiteral("Ma"));
        QVERIFY(keyboard.isLowerCase());

        tap(keyboard, "Shift");
        QCOMPARE(labels(keyboard), kCapitals);
        tap(keyboard, "X");
        QCOMPARE(keyboard.getText(), QStringLiteral("MaX"));
        QVERIFY(!keyboard.isLowerCase()); // longer texts keep the state

        keyboard.setText(QStringLiteral("x"));
        QVERIFY(keyboard.isLowerCase());
        keyboard.setText(QStringLiteral("Longer"));
        QVERIFY(keyboard.isLowerCase());
        keyboard.setText(QString());
        QVERIFY(!keyboard.isLowerCase());
    }

    void specialCharacters()
    {
        VirtualKeyboard keyboard;
        keyboard.setText(QStringLiteral("ab"));
        QCOMPARE(labels(keyboard), kCapitals);

        // The flag alone changes nothing until the next refresh, and only in lower case.
        keyboard.enableSpecialChar(true);
        QCOMPARE(labels(keyboard), kCapitals);
        tap(keyboard, "Shift");
        QCOMPARE(labels(keyboard), kPunctuation);

        tap(keyboard, "7");
        tap(keyboard, "Underline");
        tap(keyboard, "0");
        tap(keyboard, "Minus");
        tap(keyboard, "Space");
        tap(keyboard, "Q");
        QCOMPARE(field(keyboard)->toPlainText(), QStringLiteral("ab\"=?- q"));

        tap(keyboard, "Shift");
        QCOMPARE(labels(keyboard), kCapitals);
        keyboard.enableSpecialChar(false);
        tap(keyboard, "Shift");
        QCOMPARE(labels(keyboard), kLowerCase);
    }

    void insertsAtTheCursor()
    {
        VirtualKeyboard keyboard;
        keyboard.setText(QStringLiteral("abc"));
        QCOMPARE(field(keyboard)->textCursor().position(), 3);
        setCursor(keyboard, 1);
        tap(keyboard, "X");
        QCOMPARE(keyboard.getText(), QStringLiteral("aXbc"));
        QCOMPARE(field(keyboard)->textCursor().position(), 2);
        setCursor(keyboard, 0);
        tap(keyboard, "Y");
        QCOMPARE(keyboard.getText(), QStringLiteral("YaXbc"));
        QCOMPARE(field(keyboard)->textCursor().position(), 1);
    }

    void deleteKey()
    {
        VirtualKeyboard keyboard;
        keyboard.setText(QStringLiteral("a"));
        QVERIFY(keyboard.isLowerCase());
        setCursor(keyboard, 0);
        tap(keyboard, "Del");
        QCOMPARE(field(keyboard)->toPlainText(), QStringLiteral("a"));
        QCOMPARE(field(keyboard)->textCursor().position(), 0);

        keyboard.setText(QStringLiteral("abc"));
        setCursor(keyboard, 2);
        tap(keyboard, "Del");
        QCOMPARE(keyboard.getText(), QStringLiteral("ac"));
        QCOMPARE(field(keyboard)->textCursor().position(), 1);
        tap(keyboard, "Del");
        QCOMPARE(keyboard.getText(), QStringLiteral("c"));
        QCOMPARE(field(keyboard)->textCursor().position(), 0);
        tap(keyboard, "Del");
        QCOMPARE(keyboard.getText(), QStringLiteral("c"));

        // Deleting back to an empty text keeps the case: the rule runs on insertion only.
        keyboard.setText(QStringLiteral("b"));
        QVERIFY(keyboard.isLowerCase());
        tap(keyboard, "Del");
        QCOMPARE(field(keyboard)->toPlainText(), QString());
        QVERIFY(keyboard.isLowerCase());
        QCOMPARE(labels(keyboard), kLowerCase);
    }

    void enterAddsLineBreakAtTheEnd()
    {
        VirtualKeyboard keyboard;
        keyboard.setText(QStringLiteral("ab"));
        setCursor(keyboard, 0);
        keyboard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
        tap(keyboard, "Enter");
        QCOMPARE(field(keyboard)->toPlainText(), QStringLiteral("ab\n"));
        QVERIFY(keyboard.isVisible());
        QCOMPARE(keyboard.getText(), QStringLiteral("ab"));
        tap(keyboard, "C");
        QCOMPARE(field(keyboard)->toPlainText(), QStringLiteral("ab\nC"));
    }

    void getTextIsTrimmed_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("result");
        QTest::newRow("blanks only") << "    " << "";
        QTest::newRow("blanks and line breaks around") << "  Main street 4 \n\n" << "Main street 4";
        QTest::newRow("empty") << "" << "";
    }
    void getTextIsTrimmed()
    {
        QFETCH(QString, preset);
        QFETCH(QString, result);
        VirtualKeyboard keyboard;
        keyboard.setText(preset);
        QCOMPARE(keyboard.getText(), result);
    }

    void results_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("enterAsAccept");
        QTest::addColumn<int>("result");
        QTest::newRow("Accept") << "Accept" << false << 1;
        QTest::newRow("Enter as accept") << "Enter" << true << 1;
        QTest::newRow("Close") << "Close" << false << 0;
        QTest::newRow("Escape") << "Escape" << true << 0;
    }
    void results()
    {
        QFETCH(QString, action);
        QFETCH(bool, enterAsAccept);
        QFETCH(int, result);
        VirtualKeyboard keyboard;
        keyboard.setText(QStringLiteral("Valve 3"));
        keyboard.useEnterAsAccept(enterAsAccept);
        bool openAfterEscapePress = true;
        QTimer::singleShot(0, &keyboard, [&] {
            if (action == QLatin1String("Escape")) {
                // The front keys reach the focused text field; Escape passes on from there.
                TestSupport::holdEscape(field(keyboard), [&] { openAfterEscapePress = keyboard.isVisible(); });
            } else {
                tap(keyboard, action);
            }
        });
        QTimer::singleShot(3000, &keyboard, &QDialog::reject); // never hang
        QCOMPARE(keyboard.exec(), result);
        QVERIFY(openAfterEscapePress);
        QCOMPARE(keyboard.getText(), QStringLiteral("Valve 3"));
    }

    // Whatever reaches the text field directly - the front keys' Space, Up and Down, a USB
    // keyboard - is part of the one text: getText(), insertion and Del all see it.
    void keysTypedIntoTheFieldArePartOfTheText()
    {
        VirtualKeyboard keyboard;
        keyboard.setText(QStringLiteral("ab"));
        keyboard.show();
        QVERIFY(QTest::qWaitForWindowActive(&keyboard));
        QTRY_VERIFY_WITH_TIMEOUT(field(keyboard)->hasFocus(), 1000);

        QTest::keyClick(field(keyboard), Qt::Key_Space);
        QTest::keyClicks(field(keyboard), QStringLiteral("cd"));
        QCOMPARE(field(keyboard)->toPlainText(), QStringLiteral("ab cd"));
        QCOMPARE(keyboard.getText(), QStringLiteral("ab cd"));

        // The cursor stands at 5, after what the field got directly: insertion there works.
        tap(keyboard, "E");
        QCOMPARE(keyboard.getText(), field(keyboard)->toPlainText());
        QCOMPARE(keyboard.getText(), QStringLiteral("ab cdE"));

        QTest::keyClick(field(keyboard), Qt::Key_Home);
        QTest::keyClick(field(keyboard), Qt::Key_Right);
        tap(keyboard, "Del");
        QCOMPARE(keyboard.getText(), QStringLiteral("b cdE"));

        QTest::keyClick(field(keyboard), Qt::Key_Down);
        QTest::keyClick(field(keyboard), Qt::Key_Up);
        tap(keyboard, "F");
        QCOMPARE(keyboard.getText(), field(keyboard)->toPlainText());
        QCOMPARE(keyboard.getText().length(), 6);

        // A USB keyboard's Return breaks the line in the field and presses no button.
        keyboard.useEnterAsAccept(true);
        QTest::keyClick(field(keyboard), Qt::Key_End);
        QTest::keyClick(field(keyboard), Qt::Key_Return);
        QVERIFY(keyboard.isVisible());
        QCOMPARE(keyboard.result(), 0);
        QCOMPARE(field(keyboard)->toPlainText().count(QLatin1Char('\n')), 1);
        QCOMPARE(keyboard.getText(), field(keyboard)->toPlainText().trimmed());
    }

    // Renders the keyboard as the device shows it, for a look by eye.
    void screenshots()
    {
        QVERIFY(TestSupport::useDeviceLook());
        {
            VirtualKeyboard keyboard;
            keyboard.setText(QString());
            keyboard.show();
            QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
            QImage image = keyboard.grab().toImage();
            QCOMPARE(image.size(), QSize(480, 272));
            QVERIFY(image.save(screenshotPath(QStringLiteral("virtualkeyboard_capitals.png"))));

            keyboard.enableSpecialChar(true);
            keyboard.setText(QStringLiteral("ls -la /media"));
            tap(keyboard, "Shift");
            QCOMPARE(labels(keyboard), kPunctuation);
            image = keyboard.grab().toImage();
            QVERIFY(image.save(screenshotPath(QStringLiteral("virtualkeyboard_special.png"))));

            // Every label fits its key.
            for (QPushButton* b : keyboard.findChildren<QPushButton*>()) {
                if (!b->text().trimmed().isEmpty())
                    QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width() - 10,
                             qPrintable(b->objectName()));
            }
        }
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestVirtualKeyboard)
#include "tst_virtualkeyboard.moc"
