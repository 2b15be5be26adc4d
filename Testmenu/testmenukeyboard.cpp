#include "Testmenu/testmenukeyboard.h"
#include "ui_testmenukeyboard.h"

#include "Tools/textsize.h"
#include "globals.h"
#include "keyrepeatpairs.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

namespace {

const QString kDoneStyle = QStringLiteral("text-align: cencter; color: black; background-color: rgb(138, 226, 52);");

} // namespace

TestmenuKeyboard::TestmenuKeyboard(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestKeyboard"), parent)
    , ui(new Ui::TestmenuKeyboard)
{
    ui->setupUi(this);
    setTextPixelSize({ui->butTestIO, ui->butTestFAV, ui->butTestUP, ui->butTestOK, ui->butTestDOWN, ui->butTestMUTE},
                     15);
    m_repeats = new KeyRepeatPairs(this);
    connect(m_repeats, &KeyRepeatPairs::released, this, [this](QObject*, int key) { keyReleased(key); });
    for (QPushButton* indicator :
         {ui->butTestIO, ui->butTestFAV, ui->butTestUP, ui->butTestOK, ui->butTestDOWN, ui->butTestMUTE})
        indicator->setEnabled(false);
    ui->butPass->hide();
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &TestmenuKeyboard::updateData, Qt::UniqueConnection);
    m_timer->start(kPollIntervalMs);
    startFrame();
}

TestmenuKeyboard::~TestmenuKeyboard()
{
    m_timer->stop();
    delete ui;
    delete m_timer;
    g_hardwareTestActive = false;
}

void TestmenuKeyboard::keyPressEvent(QKeyEvent* event)
{
    // Tells a waiting release whether it was half of a repeat.
    m_repeats->pressRepeats(event);
    switch (event->key()) {
    case Qt::Key_F1: m_butIO_pressed = true; break;
    case Qt::Key_F2: m_butFAV_pressed = true; break;
    case Qt::Key_F3: m_butUP_pressed = true; break;
    case Qt::Key_F4: m_butOK_pressed = true; break;
    case Qt::Key_F5: m_butDOWN_pressed = true; break;
    case Qt::Key_F6: m_butMUTE_pressed = true; break;
    default:
        // Not the dialog's handler: Escape must not close the test.
        QWidget::keyPressEvent(event);
    }
}

void TestmenuKeyboard::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F6)
        m_repeats->release(this, event); // a held key stays held through its repeats
    else
        QWidget::keyReleaseEvent(event);
}

void TestmenuKeyboard::keyReleased(int key)
{
    switch (key) {
    case Qt::Key_F1:
        m_butIO_released = true;
        qDebug().noquote() << "IO released";
        break;
    case Qt::Key_F2: m_butFAV_released = true; break;
    case Qt::Key_F3: m_butUP_released = true; break;
    case Qt::Key_F4: m_butOK_released = true; break;
    case Qt::Key_F5: m_butDOWN_released = true; break;
    case Qt::Key_F6: m_butMUTE_released = true; break;
    default: break;
    }
}

void TestmenuKeyboard::updateData()
{
    g_hardwareTestActive = true;
    const struct {
        bool done;
        QPushButton* indicator;
        QLabel* status;
    } keys[] = {
        {m_butIO_pressed && m_butIO_released, ui->butTestIO, ui->labelIO},
        {m_butFAV_pressed && m_butFAV_released, ui->butTestFAV, ui->labelFAV},
        {m_butMUTE_pressed && m_butMUTE_released, ui->butTestMUTE, ui->labelMUTE},
        {m_butUP_pressed && m_butUP_released, ui->butTestUP, ui->labelUP},
        {m_butOK_pressed && m_butOK_released, ui->butTestOK, ui->labelOK},
        {m_butDOWN_pressed && m_butDOWN_released, ui->butTestDOWN, ui->labelDOWN},
    };
    bool allDone = true;
    for (const auto& key : keys) {
        if (key.done) {
            key.indicator->setStyleSheet(kDoneStyle);
            key.status->setText(QStringLiteral("OK"));
        }
        allDone = allDone && key.done;
    }
    if (allDone)
        ui->butPass->show();
}

bool TestmenuKeyboard::leaving()
{
    m_timer->stop();
    g_hardwareTestActive = false;
    return true;
}
