#include "customizedialogs.h"
#include "ui_customizedialogs.h"

#include "Hardware/gps.h"
#include "mainmenu.h"

#include <QDebug>
#include <QPushButton>

namespace {

const char* const kChecked =
    "QPushButton {image: url(:/Resources/Icons/Management/Customize/Checkbox_checked_44px.png); "
    "image-position: left; padding: 5px 5px; border: 0px; text-align: center center;}";
const char* const kUnchecked =
    "QPushButton {image: url(:/Resources/Icons/Management/Customize/Checkbox_unchecked_44px.png); "
    "image-position: left; padding: 5px 5px; border: 0px; text-align: center center;}";

} // namespace

CustomizeDialogs::CustomizeDialogs(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::CustomizeDialogs)
    , m_gpsModul(nullptr)
    , m_currentPage(1)
    , m_showFft(true)
    , m_showFrequencyValue(true)
    , m_showPeakLevelBar(true)
    , m_useFrequencyColorForLevelbar(true)
    , m_showFrequencyValuePP(true)
    , m_useFrequencyColorForLevelbarPP(true)
    , m_showFilterParameter(true)
    , m_dynamicScalingPP(true)
    , m_showFrequencyValueLT(true)
    , m_useFrequencyColorForLevelbarLT(true)
    , m_showGridLT(true)
    , m_showFilterParameterLT(true)
    , m_showHistogramH2(true)
    , m_showGridH2(true)
    , m_dynamicScalingH2(true)
    , m_showWorkingRangeH2(true)
    , m_showFftPL(true)
    , m_useFrequencyColorForLevelbarPL(true)
    , m_showFrequencyValuePL(true)
    , m_showFilterParameterPL(true)
    , m_useFavouriteForStarup(false)
    , m_useFilterForStarup(false)
    , m_useGpsOnStartup(true)
    , m_gpsToggled(false)
    , m_gpsWasEnabled(false)
{
    ui->setupUi(this);
    redrawAll();
    showPage(1);
}

CustomizeDialogs::~CustomizeDialogs()
{
    delete ui;
}

void CustomizeDialogs::init()
{
    showPage(1);
}

void CustomizeDialogs::updateButtonStylesheet(QPushButton* button, bool checked)
{
    button->setStyleSheet(QLatin1String(checked ? kChecked : kUnchecked));
}

void CustomizeDialogs::redrawAll()
{
    updateButtonStylesheet(ui->butShowFft, m_showFft);
    updateButtonStylesheet(ui->butShowFrequencyValue, m_showFrequencyValue);
    updateButtonStylesheet(ui->butShowPeakLevelBar, m_showPeakLevelBar);
    updateButtonStylesheet(ui->butUseFrequencyColorForLevelbar, m_useFrequencyColorForLevelbar);
    updateButtonStylesheet(ui->butShowFrequencyValuePP, m_showFrequencyValuePP);
    updateButtonStylesheet(ui->butUseFrequencyColorForLevelbarPP, m_useFrequencyColorForLevelbarPP);
    updateButtonStylesheet(ui->butShowFilterParameter, m_showFilterParameter);
    updateButtonStylesheet(ui->butDynamicScaling, m_dynamicScalingPP);
    updateButtonStylesheet(ui->butShowFrequencyValueLT, m_showFrequencyValueLT);
    updateButtonStylesheet(ui->butUseFrequencyColorForLevelbarLT, m_useFrequencyColorForLevelbarLT);
    updateButtonStylesheet(ui->butShowGridLT, m_showGridLT);
    updateButtonStylesheet(ui->butShowFilterParameterLT, m_showFilterParameterLT);
    updateButtonStylesheet(ui->butShowHistogramH2, m_showHistogramH2);
    updateButtonStylesheet(ui->butShowGridH2, m_showGridH2);
    updateButtonStylesheet(ui->butDynamicScalingH2, m_dynamicScalingH2);
    updateButtonStylesheet(ui->butShowWorkingRangeH2, m_showWorkingRangeH2);
    updateButtonStylesheet(ui->butShowFftPL, m_showFftPL);
    updateButtonStylesheet(ui->butShowFrequencyValuePL, m_showFrequencyValuePL);
    updateButtonStylesheet(ui->butUseFrequencyColorForLevelbarPL, m_useFrequencyColorForLevelbarPL);
    updateButtonStylesheet(ui->butShowFilterParameterPL, m_showFilterParameterPL);
    updateButtonStylesheet(ui->butStartWithFavourite, m_useFavouriteForStarup);
    updateButtonStylesheet(ui->butStartWithFilter, m_useFilterForStarup);
    updateButtonStylesheet(ui->butStartWithGps, m_useGpsOnStartup);
}

// --- group setters and getters (no coupling rule applied) ---------------------------

void CustomizeDialogs::setLevelParameter(bool showFft, bool showFrequencyValue, bool showPeakLevelBar,
                                         bool useFrequencyColorForLevelbar)
{
    m_showFft = showFft;
    m_showFrequencyValue = showFrequencyValue;
    m_showPeakLevelBar = showPeakLevelBar;
    m_useFrequencyColorForLevelbar = useFrequencyColorForLevelbar;
    redrawAll();
}

void CustomizeDialogs::getLevelParameter(bool* showFft, bool* showFrequencyValue, bool* showPeakLevelBar,
                                         bool* useFrequencyColorForLevelbar) const
{
    *showFft = m_showFft;
    *showFrequencyValue = m_showFrequencyValue;
    *showPeakLevelBar = m_showPeakLevelBar;
    *useFrequencyColorForLevelbar = m_useFrequencyColorForLevelbar;
}

void CustomizeDialogs::setPinpointingParameter(bool showFrequencyValue, bool useFrequencyColorForLevelbar,
                                               bool showFilterParameter, bool dynamicScaling)
{
    m_showFrequencyValuePP = showFrequencyValue;
    m_useFrequencyColorForLevelbarPP = useFrequencyColorForLevelbar;
    m_showFilterParameter = showFilterParameter;
    m_dynamicScalingPP = dynamicScaling;
    redrawAll();
}

void CustomizeDialogs::getPinpointingParameter(bool* showFrequencyValue, bool* useFrequencyColorForLevelbar,
                                               bool* showFilterParameter, bool* dynamicScaling) const
{
    *showFrequencyValue = m_showFrequencyValuePP;
    *useFrequencyColorForLevelbar = m_useFrequencyColorForLevelbarPP;
    *showFilterParameter = m_showFilterParameter;
    *dynamicScaling = m_dynamicScalingPP;
}

void CustomizeDialogs::setLongtermParameter(bool showFrequencyValue, bool useFrequencyColorForLevelbar,
                                            bool showGrid, bool showFilterParameter)
{
    m_showFrequencyValueLT = showFrequencyValue;
    m_useFrequencyColorForLevelbarLT = useFrequencyColorForLevelbar;
    m_showGridLT = showGrid;
    m_showFilterParameterLT = showFilterParameter;
    redrawAll();
}

void CustomizeDialogs::getLongtermParameter(bool* showFrequencyValue, bool* useFrequencyColorForLevelbar,
                                            bool* showGrid, bool* showFilterParameter) const
{
    *showFrequencyValue = m_showFrequencyValueLT;
    *useFrequencyColorForLevelbar = m_useFrequencyColorForLevelbarLT;
    *showGrid = m_showGridLT;
    *showFilterParameter = m_showFilterParameterLT;
}

void CustomizeDialogs::setH2Parameter(bool showHistogram, bool showGrid, bool dynamicScaling, bool showWorkingRange)
{
    m_showHistogramH2 = showHistogram;
    m_showGridH2 = showGrid;
    m_dynamicScalingH2 = dynamicScaling;
    m_showWorkingRangeH2 = showWorkingRange;
    redrawAll();
}

void CustomizeDialogs::getH2Parameter(bool* showHistogram, bool* showGrid, bool* dynamicScaling,
                                      bool* showWorkingRange) const
{
    *showHistogram = m_showHistogramH2;
    *showGrid = m_showGridH2;
    *dynamicScaling = m_dynamicScalingH2;
    *showWorkingRange = m_showWorkingRangeH2;
}

void CustomizeDialogs::setPipelocatingParameter(bool showFft, bool showFrequencyValue,
                                                bool useFrequencyColorForLevelbar, bool showFilterParameter)
{
    m_showFftPL = showFft;
    m_showFrequencyValuePL = showFrequencyValue;
    m_useFrequencyColorForLevelbarPL = useFrequencyColorForLevelbar;
    m_showFilterParameterPL = showFilterParameter;
    redrawAll();
}

void CustomizeDialogs::getPipelocatingParameter(bool* showFft, bool* showFrequencyValue,
                                                bool* useFrequencyColorForLevelbar, bool* showFilterParameter) const
{
    *showFft = m_showFftPL;
    *showFrequencyValue = m_showFrequencyValuePL;
    *useFrequencyColorForLevelbar = m_useFrequencyColorForLevelbarPL;
    *showFilterParameter = m_showFilterParameterPL;
}

void CustomizeDialogs::setStartupParameter(bool useFavourite, bool useFilter, bool useGps)
{
    m_useFavouriteForStarup = useFavourite;
    m_useFilterForStarup = useFilter;
    m_useGpsOnStartup = useGps;
    redrawAll();
}

void CustomizeDialogs::getStartupParameter(bool* useFavourite, bool* useFilter, bool* useGps) const
{
    *useFavourite = m_useFavouriteForStarup;
    *useFilter = m_useFilterForStarup;
    *useGps = m_useGpsOnStartup;
}

// --- frame ---------------------------------------------------------------------------

void CustomizeDialogs::on_butAccept_clicked()
{
    accept();
}

void CustomizeDialogs::on_butClose_clicked()
{
    reject();
}

void CustomizeDialogs::reject()
{
    // The GPS flag switched the receiver at once; a cancelled dialog leaves it as it found it.
    if (m_gpsToggled && m_gpsModul && m_gpsModul->isGpsEnabled() != m_gpsWasEnabled) {
        qDebug() << "Customize cancelled: GPS receiver back to" << m_gpsWasEnabled;
        switchGps(m_gpsWasEnabled);
    }
    m_gpsToggled = false;
    SettingsDialog::reject();
}

void CustomizeDialogs::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
}

void CustomizeDialogs::on_butMenuUp_clicked()
{
    showPage(m_currentPage <= 1 ? kNumPages : m_currentPage - 1);
}

void CustomizeDialogs::on_butMenuDown_clicked()
{
    showPage(m_currentPage >= kNumPages ? 1 : m_currentPage + 1);
}

// --- level measurement ---------------------------------------------------------------

void CustomizeDialogs::on_butShowPeakLevelBar_clicked()
{
    m_showPeakLevelBar = !m_showPeakLevelBar;
    updateButtonStylesheet(ui->butShowPeakLevelBar, m_showPeakLevelBar);
}

void CustomizeDialogs::on_butUseFrequencyColorForLevelbar_clicked()
{
    m_useFrequencyColorForLevelbar = !m_useFrequencyColorForLevelbar;
    updateButtonStylesheet(ui->butUseFrequencyColorForLevelbar, m_useFrequencyColorForLevelbar);
}

void CustomizeDialogs::on_butShowFft_clicked()
{
    m_showFft = !m_showFft;
    updateButtonStylesheet(ui->butShowFft, m_showFft);
}

void CustomizeDialogs::on_butShowFrequencyValue_clicked()
{
    m_showFrequencyValue = !m_showFrequencyValue;
    updateButtonStylesheet(ui->butShowFrequencyValue, m_showFrequencyValue);
}

// --- pinpointing ---------------------------------------------------------------------

void CustomizeDialogs::on_butUseFrequencyColorForLevelbarPP_clicked()
{
    m_useFrequencyColorForLevelbarPP = !m_useFrequencyColorForLevelbarPP;
    updateButtonStylesheet(ui->butUseFrequencyColorForLevelbarPP, m_useFrequencyColorForLevelbarPP);
}

void CustomizeDialogs::on_butShowFrequencyValuePP_clicked()
{
    m_showFrequencyValuePP = !m_showFrequencyValuePP;
    updateButtonStylesheet(ui->butShowFrequencyValuePP, m_showFrequencyValuePP);
}

void CustomizeDialogs::on_butShowFilterParameter_clicked()
{
    m_showFilterParameter = !m_showFilterParameter;
    updateButtonStylesheet(ui->butShowFilterParameter, m_showFilterParameter);
}

void CustomizeDialogs::on_butDynamicScaling_clicked()
{
    m_dynamicScalingPP = !m_dynamicScalingPP;
    updateButtonStylesheet(ui->butDynamicScaling, m_dynamicScalingPP);
}

// --- long-term measurement -----------------------------------------------------------

void CustomizeDialogs::on_butShowGridLT_clicked()
{
    m_showGridLT = !m_showGridLT;
    updateButtonStylesheet(ui->butShowGridLT, m_showGridLT);
}

void CustomizeDialogs::on_butUseFrequencyColorForLevelbarLT_clicked()
{
    m_useFrequencyColorForLevelbarLT = !m_useFrequencyColorForLevelbarLT;
    updateButtonStylesheet(ui->butUseFrequencyColorForLevelbarLT, m_useFrequencyColorForLevelbarLT);
}

void CustomizeDialogs::on_butShowFrequencyValueLT_clicked()
{
    m_showFrequencyValueLT = !m_showFrequencyValueLT;
    updateButtonStylesheet(ui->butShowFrequencyValueLT, m_showFrequencyValueLT);
}

void CustomizeDialogs::on_butShowFilterParameterLT_clicked()
{
    m_showFilterParameterLT = !m_showFilterParameterLT;
    updateButtonStylesheet(ui->butShowFilterParameterLT, m_showFilterParameterLT);
}

// --- H2 measurement: the grid is drawn on the histogram, so never grid without it -----

void CustomizeDialogs::on_butShowGridH2_clicked()
{
    if (m_showGridH2) {
        m_showGridH2 = false;
    } else {
        m_showGridH2 = true;
        m_showHistogramH2 = true;
    }
    updateButtonStylesheet(ui->butShowGridH2, m_showGridH2);
    updateButtonStylesheet(ui->butShowHistogramH2, m_showHistogramH2);
}

void CustomizeDialogs::on_butShowHistogramH2_clicked()
{
    if (m_showHistogramH2) {
        m_showHistogramH2 = false;
        m_showGridH2 = false;
    } else {
        m_showHistogramH2 = true;
    }
    updateButtonStylesheet(ui->butShowHistogramH2, m_showHistogramH2);
    updateButtonStylesheet(ui->butShowGridH2, m_showGridH2);
}

void CustomizeDialogs::on_butDynamicScalingH2_clicked()
{
    m_dynamicScalingH2 = !m_dynamicScalingH2;
    updateButtonStylesheet(ui->butDynamicScalingH2, m_dynamicScalingH2);
}

void CustomizeDialogs::on_butShowWorkingRangeH2_clicked()
{
    m_showWorkingRangeH2 = !m_showWorkingRangeH2;
    updateButtonStylesheet(ui->butShowWorkingRangeH2, m_showWorkingRangeH2);
}

// --- pipe locating: the spectrum takes the place of frequency value and filter text ---

void CustomizeDialogs::on_butUseFrequencyColorForLevelbarPL_clicked()
{
    m_useFrequencyColorForLevelbarPL = !m_useFrequencyColorForLevelbarPL;
    updateButtonStylesheet(ui->butUseFrequencyColorForLevelbarPL, m_useFrequencyColorForLevelbarPL);
}

void CustomizeDialogs::on_butShowFrequencyValuePL_clicked()
{
    if (m_showFrequencyValuePL) {
        m_showFrequencyValuePL = false;
    } else {
        m_showFrequencyValuePL = true;
        m_showFftPL = false;
    }
    updateButtonStylesheet(ui->butShowFrequencyValuePL, m_showFrequencyValuePL);
    updateButtonStylesheet(ui->butShowFftPL, m_showFftPL);
}

void CustomizeDialogs::on_butShowFftPL_clicked()
{
    if (m_showFftPL) {
        m_showFftPL = false;
    } else {
        m_showFftPL = true;
        m_showFrequencyValuePL = false;
        m_showFilterParameterPL = false;
    }
    updateButtonStylesheet(ui->butShowFftPL, m_showFftPL);
    updateButtonStylesheet(ui->butShowFrequencyValuePL, m_showFrequencyValuePL);
    updateButtonStylesheet(ui->butShowFilterParameterPL, m_showFilterParameterPL);
}

void CustomizeDialogs::on_butShowFilterParameterPL_clicked()
{
    if (m_showFilterParameterPL) {
        m_showFilterParameterPL = false;
    } else {
        m_showFilterParameterPL = true;
        m_showFftPL = false;
    }
    updateButtonStylesheet(ui->butShowFilterParameterPL, m_showFilterParameterPL);
    updateButtonStylesheet(ui->butShowFftPL, m_showFftPL);
}

// --- start-up --------------------------------------------------------------------------

void CustomizeDialogs::on_butStartWithFavourite_clicked()
{
    m_useFavouriteForStarup = !m_useFavouriteForStarup;
    updateButtonStylesheet(ui->butStartWithFavourite, m_useFavouriteForStarup);
}

void CustomizeDialogs::on_butStartWithFilter_clicked()
{
    m_useFilterForStarup = !m_useFilterForStarup;
    updateButtonStylesheet(ui->butStartWithFilter, m_useFilterForStarup);
}

void CustomizeDialogs::switchGps(bool on)
{
    if (!m_gpsModul)
        return;
    if (on)
        m_gpsModul->switchOnGpsModul();
    else
        m_gpsModul->switchOffGpsModul();
}

void CustomizeDialogs::on_butStartWithGps_clicked()
{
    if (MainMenu* menu = MainMenu::getInstanceMainMenu())
        m_gpsModul = menu->getGpsInstance();
    if (m_gpsModul && !m_gpsToggled) {
        m_gpsToggled = true;
        m_gpsWasEnabled = m_gpsModul->isGpsEnabled();
    }
    m_useGpsOnStartup = !m_useGpsOnStartup;
    switchGps(m_useGpsOnStartup);
    updateButtonStylesheet(ui->butStartWithGps, m_useGpsOnStartup);
}
