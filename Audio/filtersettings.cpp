#include "Audio/filtersettings.h"
#include "ui_filtersettings.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/headphonesettings.h"
#include "Audio/micsettings.h"
#include "Tools/freqspectrum.h"
#include "Tools/statusbar.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

namespace {

const quint32 kStepperStartLow = 20;
const quint32 kStepperStartHigh = 3900;
const int kTableCapacity = 256;

QString frequencyText(quint32 frequency, int filterType)
{
    return filterType == 0 ? QStringLiteral("--- Hz") : QString::number(frequency) + QStringLiteral(" Hz");
}

} // namespace

Filtersettings::Filtersettings(QWidget* parent)
    : EscapeDialog(parent)
    , ui(new Ui::Filtersettings)
    , freqSpectrum(new FreqSpectrum(nullptr))
    , m_timerLevel(new QTimer(this))
{
    ui->setupUi(this);
    qDebug() << "Konstruktor Filtersettings";
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    m_audioCodec = menu ? menu->getAudioCodecInstance() : nullptr;

    ui->spectrumLayout->addWidget(freqSpectrum);
    // The layout sizes the widget only when the dialog is shown; the picture should have
    // its size from the first tick on.
    ui->spectrumLayout->activate();
    freqSpectrum->setScaleBgGradient(true);
    freqSpectrum->init(freqSpectrum->getRect().width(), freqSpectrum->getRect().height());
    freqSpectrum->clear();
    freqSpectrum->drawScale();
    connect(freqSpectrum, &FreqSpectrum::filterChanged, this, &Filtersettings::updateFilter);

    if (m_audioCodec) {
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
        m_audioCodec->getAvailableLpFilterFrequencies(m_lpFilterFrequencies, &m_numLpFilter);
        m_audioCodec->getAvailableHpFilterFrequencies(m_hpFilterFrequencies, &m_numHpFilter);
        m_numLpFilter = qBound(0, m_numLpFilter, kTableCapacity);
        m_numHpFilter = qBound(0, m_numHpFilter, kTableCapacity);
    }
    showFrequencies();
    ui->prgbLevel->setValue(0);
    ui->labelLevel->setText(QStringLiteral("0"));
    ui->but50HzFilter->setVisible(g_debugFeatures == 1);
    ui->butPreemphase->setVisible(g_debugFeatures == 1);
    ui->stackedWidget->setCurrentIndex(0);
    m_filter50HzEnabled = false;
    m_filterPreemphaseEnabled = false;

    connect(m_timerLevel, &QTimer::timeout, this, &Filtersettings::updateLevel);
    m_timerLevel->start(kLevelPeriodMs);
}

Filtersettings::~Filtersettings()
{
    m_timerLevel->stop();
    delete freqSpectrum;
    delete ui;
}

void Filtersettings::getFiltersettings(int* a_filterType, quint32* a_lowCutOffFrequency,
                                       quint32* a_highCutOffFrequency) const
{
    *a_filterType = m_filterType;
    *a_lowCutOffFrequency = m_lowCutOffFrequency;
    *a_highCutOffFrequency = m_highCutOffFrequency;
}

void Filtersettings::showFrequencies()
{
    ui->labelFreqLow->setText(frequencyText(m_lowCutOffFrequency, m_filterType));
    ui->labelFreqHigh->setText(frequencyText(m_highCutOffFrequency, m_filterType));
}

void Filtersettings::updateLevel()
{
    AnalogInputWorker* analysis = Analoginputworker();
    float rms = 0.0f;
    analysis->getAudioLevel(&rms);
    const float level = AnalogInputWorker::audioLevelToDb(rms);
    ui->prgbLevel->setValue(int(level));
    ui->labelLevel->setText(QString::number(double(level), 'f', 0));

    float fft[1024];
    float samples[1024];
    analysis->getFft(fft);
    analysis->getAudioData(samples);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(fft, true);
    freqSpectrum->drawData(samples);
    freqSpectrum->update();
}

void Filtersettings::applyFilter()
{
    if (m_audioCodec) {
        m_audioCodec->setSpecialFilter(m_filter50HzEnabled, m_filterPreemphaseEnabled);
        m_audioCodec->setFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
    }
    updateFilter();
}

void Filtersettings::updateFilter()
{
    if (m_audioCodec)
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
    showFrequencies();
    freqSpectrum->updateFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
}

void Filtersettings::step(Stepper stepper)
{
    if (m_filterType == 0) {
        // Out of no filter, any stepper opens nearly the whole range.
        m_lowCutOffFrequency = kStepperStartLow;
        m_highCutOffFrequency = kStepperStartHigh;
        m_filterType = 1;
    } else if (m_filterType == 1) {
        // The lower edge is the high-pass corner, the upper edge the low-pass corner.
        const bool lowCorner = stepper == LowDown || stepper == LowUp;
        const bool upwards = stepper == LowUp || stepper == HighUp;
        const quint32* table = lowCorner ? m_hpFilterFrequencies : m_lpFilterFrequencies;
        const int count = lowCorner ? m_numHpFilter : m_numLpFilter;
        quint32& corner = lowCorner ? m_lowCutOffFrequency : m_highCutOffFrequency;
        bool found = false;
        quint32 next = 0;
        for (int i = 0; i < count; ++i) {
            const quint32 f = table[i];
            const bool beyond = upwards ? f > corner : f < corner;
            const bool nearer = !found || (upwards ? f < next : f > next);
            if (beyond && nearer) {
                next = f;
                found = true;
            }
        }
        // The corners never pass each other.
        if (stepper == LowUp)
            found = found && next < m_highCutOffFrequency;
        else if (stepper == HighDown)
            found = found && next > m_lowCutOffFrequency;
        if (found)
            corner = next;
    }
    showFrequencies();
    applyFilter();
}

void Filtersettings::on_butLowCutOffDown_clicked()
{
    step(LowDown);
}

void Filtersettings::on_butLowCutOffUp_clicked()
{
    step(LowUp);
}

void Filtersettings::on_butHighCutOffDown_clicked()
{
    step(HighDown);
}

void Filtersettings::on_butHighCutOffUp_clicked()
{
    step(HighUp);
}

void Filtersettings::on_butAutoFilter_clicked()
{
    // The band where the fitted sensor hears a leak best.
    switch (StatusbarData()->sensorType()) {
    case 1: // microphone
        m_lowCutOffFrequency = 160;
        m_highCutOffFrequency = 800;
        break;
    case 2: // T-sensor
        m_lowCutOffFrequency = 400;
        m_highCutOffFrequency = 1000;
        break;
    case 4: // wired sensor
        m_lowCutOffFrequency = 160;
        m_highCutOffFrequency = 1000;
        break;
    default:
        m_lowCutOffFrequency = 160;
        m_highCutOffFrequency = 4000;
        break;
    }
    m_filterType = 1;
    showFrequencies();
    applyFilter();
}

void Filtersettings::on_butNoFilter_clicked()
{
    m_lowCutOffFrequency = 0;
    m_highCutOffFrequency = 4000;
    m_filterType = 0;
    showFrequencies();
    applyFilter();
}

void Filtersettings::on_but50HzFilter_clicked()
{
    m_filter50HzEnabled = !m_filter50HzEnabled;
    ui->but50HzFilter->setText(m_filter50HzEnabled ? QStringLiteral("50 Hz = 1") : QStringLiteral("50 Hz = 0"));
    applyFilter();
}

void Filtersettings::on_butPreemphase_clicked()
{
    m_filterPreemphaseEnabled = !m_filterPreemphaseEnabled;
    ui->butPreemphase->setText(m_filterPreemphaseEnabled ? QStringLiteral("Preem = 1") : QStringLiteral("Preem = 0"));
    applyFilter();
}

void Filtersettings::on_butHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Filtersettings::on_butMicrophone_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Filtersettings::on_butClose_clicked()
{
    m_timerLevel->stop();
    if (m_audioCodec) {
        m_audioCodec->setSpecialFilter(m_filter50HzEnabled, m_filterPreemphaseEnabled);
        m_audioCodec->setFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
    }
    if (MainMenu* menu = MainMenu::getInstanceMainMenu())
        menu->setCurrentFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
    accept();
}

void Filtersettings::keyPressEvent(QKeyEvent* event)
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (event->key() != Qt::Key_F10 || !menu) {
        EscapeDialog::keyPressEvent(event);
        return;
    }
    qDebug() << "Filtersettings Mute-Key pressed";
    // Push-to-listen opens while the key is held; switch mode toggles on each press.
    if (!menu->isMuteKeySwitchmode())
        menu->muteAudioPath(false, true);
    else
        menu->muteAudioPath(!menu->isAudioPathMuted(), true);
}

void Filtersettings::keyReleaseEvent(QKeyEvent* event)
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (event->key() != Qt::Key_F10 || !menu) {
        EscapeDialog::keyReleaseEvent(event);
        return;
    }
    qDebug() << "Levelmeas Mute-Key released";
    if (!menu->isMuteKeySwitchmode())
        menu->muteAudioPath(true, true);
}
