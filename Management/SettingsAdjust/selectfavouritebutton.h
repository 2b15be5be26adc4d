#ifndef SELECTFAVOURITEBUTTON_H
#define SELECTFAVOURITEBUTTON_H

#include "Management/SettingsAdjust/settingsdialog.h"

#include <QString>

namespace Ui {
class SelectFavouriteButton;
}

// Chooses what the favourite key does: one of six functions, listed top to bottom as
// level measurement, histogram, long-term measurement, H2 sensor, pipe locating and
// screenshot (favourite numbers 2, 1, 3, 4, 5, 0).
class SelectFavouriteButton : public SettingsDialog
{
    Q_OBJECT

public:
    explicit SelectFavouriteButton(QWidget* parent = nullptr);
    ~SelectFavouriteButton() override;

    void init(int favourite);
    int getFavouriteButton(QString* text);

    // Favourite number shown at a position 1..6, and the position of a number.
    static int favouriteAtPosition(int position);
    static int positionOfFavourite(int favourite);

private slots:
    void on_butFav_1_clicked();
    void on_butFav_2_clicked();
    void on_butFav_3_clicked();
    void on_butFav_4_clicked();
    void on_butFav_5_clicked();
    void on_butFav_6_clicked();
    void on_butSwitchFavourite_clicked();

private:
    void select(int favourite);
    void updateStylesheetFavourite();

    Ui::SelectFavouriteButton* ui;
    int m_numSelFav = 2;
};

#endif // SELECTFAVOURITEBUTTON_H
