#include "Management/SettingsAdjust/selectfavouritebutton.h"
#include "ui_selectfavouritebutton.h"

#include "Management/systemsettings.h"

namespace {
// Favourite number of each position, top to bottom.
const int kFavourites[6] = {2, 1, 3, 4, 5, 0};
const int kDefaultFavourite = 2;

bool isFavourite(int favourite)
{
    return static_cast<unsigned>(favourite) <= 5u;
}
}

SelectFavouriteButton::SelectFavouriteButton(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::SelectFavouriteButton)
{
    ui->setupUi(this);
    initFrame();
    ui->mainArea->setCurrentWidget(ui->pageFavourite);
}

SelectFavouriteButton::~SelectFavouriteButton()
{
    delete ui;
}

int SelectFavouriteButton::favouriteAtPosition(int position)
{
    return position >= 1 && position <= 6 ? kFavourites[position - 1] : kDefaultFavourite;
}

int SelectFavouriteButton::positionOfFavourite(int favourite)
{
    for (int position = 1; position <= 6; ++position) {
        if (kFavourites[position - 1] == favourite)
            return position;
    }
    return 1;
}

void SelectFavouriteButton::init(int favourite)
{
    m_numSelFav = isFavourite(favourite) ? favourite : kDefaultFavourite;
    QPushButton* buttons[6] = {ui->butFav_1, ui->butFav_2, ui->butFav_3, ui->butFav_4, ui->butFav_5, ui->butFav_6};
    for (int position = 1; position <= 6; ++position)
        buttons[position - 1]->setText(Systemsettings::favouriteFunctionName(favouriteAtPosition(position)));
    updateStylesheetFavourite();
    // The keys start on the current choice, so the focus box and the switch agree.
    buttons[positionOfFavourite(m_numSelFav) - 1]->setFocus();
}

int SelectFavouriteButton::getFavouriteButton(QString* text)
{
    if (text)
        *text = Systemsettings::favouriteFunctionName(m_numSelFav);
    return m_numSelFav;
}

void SelectFavouriteButton::select(int favourite)
{
    m_numSelFav = favourite;
    updateStylesheetFavourite();
}

void SelectFavouriteButton::on_butFav_1_clicked() { select(favouriteAtPosition(1)); }
void SelectFavouriteButton::on_butFav_2_clicked() { select(favouriteAtPosition(2)); }
void SelectFavouriteButton::on_butFav_3_clicked() { select(favouriteAtPosition(3)); }
void SelectFavouriteButton::on_butFav_4_clicked() { select(favouriteAtPosition(4)); }
void SelectFavouriteButton::on_butFav_5_clicked() { select(favouriteAtPosition(5)); }
void SelectFavouriteButton::on_butFav_6_clicked() { select(favouriteAtPosition(6)); }

void SelectFavouriteButton::on_butSwitchFavourite_clicked()
{
    if (!isFavourite(m_numSelFav)) {
        select(kDefaultFavourite);
        return;
    }
    // One position down, the lowest wrapping to the top.
    select(favouriteAtPosition(positionOfFavourite(m_numSelFav) % 6 + 1));
}

void SelectFavouriteButton::updateStylesheetFavourite()
{
    if (!isFavourite(m_numSelFav))
        m_numSelFav = kDefaultFavourite;
    setRadioSwitch(ui->butSwitchFavourite,
                   QStringLiteral("Radioswitch_pos%1_6x38px.png").arg(positionOfFavourite(m_numSelFav)));
}
