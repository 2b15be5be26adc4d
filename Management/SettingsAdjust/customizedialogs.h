#ifndef CUSTOMIZEDIALOGS_H
#define CUSTOMIZEDIALOGS_H

#include "Management/SettingsAdjust/settingsdialog.h"


namespace Ui {
class CustomizeDialogs;
}

class Gps;
class QPushButton;

// Chooses which display elements each measuring screen shows and what happens at power-on.
// The flags are copies; the caller writes them back only on acceptance. The GPS start-up
// flag switches the receiver at once, and Cancel switches it back.
class CustomizeDialogs : public SettingsDialog
{
    Q_OBJECT

public:
    explicit CustomizeDialogs(QWidget* parent = nullptr);
    ~CustomizeDialogs() override;

    static const int kNumPages = 6;

    void init();
    int currentPage() const { return m_currentPage; }

    void setLevelParameter(bool showFft, bool showFrequencyValue, bool showPeakLevelBar,
                           bool useFrequencyColorForLevelbar);
    void getLevelParameter(bool* showFft, bool* showFrequencyValue, bool* showPeakLevelBar,
                           bool* useFrequencyColorForLevelbar) const;
    void setPinpointingParameter(bool showFrequencyValue, bool useFrequencyColorForLevelbar,
                                 bool showFilterParameter, bool dynamicScaling);
    void getPinpointingParameter(bool* showFrequencyValue, bool* useFrequencyColorForLevelbar,
                                 bool* showFilterParameter, bool* dynamicScaling) const;
    void setLongtermParameter(bool showFrequencyValue, bool useFrequencyColorForLevelbar,
                              bool showGrid, bool showFilterParameter);
    void getLongtermParameter(bool* showFrequencyValue, bool* useFrequencyColorForLevelbar,
                              bool* showGrid, bool* showFilterParameter) const;
    void setH2Parameter(bool showHistogram, bool showGrid, bool dynamicScaling,
                        bool showWorkingRange);
    void getH2Parameter(bool* showHistogram, bool* showGrid, bool* dynamicScaling,
                        bool* showWorkingRange) const;
    void setPipelocatingParameter(bool showFft, bool showFrequencyValue,
                                  bool useFrequencyColorForLevelbar, bool showFilterParameter);
    void getPipelocatingParameter(bool* showFft, bool* showFrequencyValue,
                                  bool* useFrequencyColorForLevelbar,
                                  bool* showFilterParameter) const;
    void setStartupParameter(bool useFavourite, bool useFilter, bool useGps);
    void getStartupParameter(bool* useFavourite, bool* useFilter, bool* useGps) const;

    static void updateButtonStylesheet(QPushButton* button, bool checked);

public slots:
    // Also reached by the on/off key and by closing the window.
    void reject() override;

private slots:
    void on_butAccept_clicked();
    void on_butClose_clicked();
    void on_butMenuUp_clicked();
    void on_butMenuDown_clicked();

    void on_butShowPeakLevelBar_clicked();
    void on_butUseFrequencyColorForLevelbar_clicked();
    void on_butShowFft_clicked();
    void on_butShowFrequencyValue_clicked();

    void on_butUseFrequencyColorForLevelbarPP_clicked();
    void on_butShowFrequencyValuePP_clicked();
    void on_butShowFilterParameter_clicked();
    void on_butDynamicScaling_clicked();

    void on_butShowGridLT_clicked();
    void on_butUseFrequencyColorForLevelbarLT_clicked();
    void on_butShowFrequencyValueLT_clicked();
    void on_butShowFilterParameterLT_clicked();

    void on_butShowGridH2_clicked();
    void on_butShowHistogramH2_clicked();
    void on_butDynamicScalingH2_clicked();
    void on_butShowWorkingRangeH2_clicked();

    void on_butUseFrequencyColorForLevelbarPL_clicked();
    void on_butShowFrequencyValuePL_clicked();
    void on_butShowFftPL_clicked();
    void on_butShowFilterParameterPL_clicked();

    void on_butStartWithFavourite_clicked();
    void on_butStartWithFilter_clicked();
    void on_butStartWithGps_clicked();


private:
    void showPage(int page);
    void redrawAll();
    void switchGps(bool on);

    Ui::CustomizeDialogs* ui;
    Gps* m_gpsModul;
    int m_currentPage;
    bool m_showFft;
    bool m_showFrequencyValue;
    bool m_showPeakLevelBar;
    bool m_useFrequencyColorForLevelbar;
    bool m_showFrequencyValuePP;
    bool m_useFrequencyColorForLevelbarPP;
    bool m_showFilterParameter;
    bool m_dynamicScalingPP;
    bool m_showFrequencyValueLT;
    bool m_useFrequencyColorForLevelbarLT;
    bool m_showGridLT;
    bool m_showFilterParameterLT;
    bool m_showHistogramH2;
    bool m_showGridH2;
    bool m_dynamicScalingH2;
    bool m_showWorkingRangeH2;
    bool m_showFftPL;
    bool m_useFrequencyColorForLevelbarPL;
    bool m_showFrequencyValuePL;
    bool m_showFilterParameterPL;
    bool m_useFavouriteForStarup;
    bool m_useFilterForStarup;
    bool m_useGpsOnStartup;
    // Receiver state before the first toggle of the GPS flag, so that Cancel can switch
    // the receiver back to it.
    bool m_gpsToggled;
    bool m_gpsWasEnabled;
};

#endif // CUSTOMIZEDIALOGS_H
