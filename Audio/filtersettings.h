#ifndef FILTERSETTINGS_H
#define FILTERSETTINGS_H

#include "Tools/escapedialog.h"

namespace Ui {
class Filtersettings;
}
class AudioCodecSetup;
class FreqSpectrum;
class QTimer;

// The listening filter, set while listening: steppers for the two cut-offs over the
// codec's table frequencies, an automatic filter for the fitted sensor, no filter, the
// live level and spectrum, on which the band can be dragged as well. Every change goes
// to the codec at once; the check button also makes it MainMenu's current filter, the
// on/off key leaves the codec as the last change left it and the current filter as it was.
class Filtersettings : public EscapeDialog
{
    Q_OBJECT

public:
    static constexpr int kLevelPeriodMs = 300;

    explicit Filtersettings(QWidget* parent = nullptr);
    ~Filtersettings() override;

    void getFiltersettings(int* a_filterType, quint32* a_lowCutOffFrequency, quint32* a_highCutOffFrequency) const;
    FreqSpectrum* spectrum() const { return freqSpectrum; }

public slots:
    void updateFilter();
    void updateLevel();

private slots:
    void on_butLowCutOffDown_clicked();
    void on_butLowCutOffUp_clicked();
    void on_butHighCutOffDown_clicked();
    void on_butHighCutOffUp_clicked();
    void on_butAutoFilter_clicked();
    void on_butNoFilter_clicked();
    void on_but50HzFilter_clicked();
    void on_butPreemphase_clicked();
    void on_butHeadphone_clicked();
    void on_butMicrophone_clicked();
    void on_butClose_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Which corner a stepper moves, and which way.
    enum Stepper { LowDown, LowUp, HighDown, HighUp };
    void step(Stepper stepper);
    void applyFilter();
    void showFrequencies();

    Ui::Filtersettings* ui;
    FreqSpectrum* freqSpectrum;
    QTimer* m_timerLevel;
    AudioCodecSetup* m_audioCodec = nullptr;
    quint32 m_lowCutOffFrequency = 0;
    quint32 m_highCutOffFrequency = 4000;
    int m_filterType = 0;
    quint32 m_lpFilterFrequencies[256] = {};
    quint32 m_hpFilterFrequencies[256] = {};
    int m_numLpFilter = 0;
    int m_numHpFilter = 0;
    bool m_filter50HzEnabled = false;
    bool m_filterPreemphaseEnabled = false;
};

#endif // FILTERSETTINGS_H
