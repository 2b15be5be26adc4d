#ifndef LANGUAGESELECT_H
#define LANGUAGESELECT_H

#include "Management/SettingsAdjust/settingsdialog.h"

namespace Ui {
class LanguageSelect;
}
class QEvent;

// Picks one of the 24 user-interface languages by touching its name; touching one
// accepts at once, Back or the on/off key leave without a choice. The names read the
// same in every language. The settings screen keeps one of these for its whole life,
// so the page last shown is shown again next time.
class LanguageSelect : public SettingsDialog
{
    Q_OBJECT

public:
    static constexpr int kPages = 5;

    explicit LanguageSelect(QWidget* parent = nullptr);
    ~LanguageSelect() override;

    int getSelectedLanguage() const { return m_selectedLanguage; }
    int currentPage() const { return m_currentPage; }

private slots:
    void on_butEnglish_clicked();
    void on_butGerman_clicked();
    void on_butFrench_clicked();
    void on_butSpanish_clicked();
    void on_butItalian_clicked();
    void on_butRussian_clicked();
    void on_butChinese_clicked();
    void on_butCzech_clicked();
    void on_butHungarian_clicked();
    void on_butSlovenian_clicked();
    void on_butPolish_clicked();
    void on_butRomanian_clicked();
    void on_butSlovakian_clicked();
    void on_butPortuguese_clicked();
    void on_butJapanese_clicked();
    void on_butSwedish_clicked();
    void on_butSuomi_clicked();
    void on_butDanish_clicked();
    void on_butNorwegian_clicked();
    void on_butBulgarian_clicked();
    void on_butCroatian_clicked();
    void on_butKorean_clicked();
    void on_butSerbian_clicked();
    void on_butTurkish_clicked();
    void on_butMenuUp_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuDown_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void choose(int language);
    void showPage(int page);

    Ui::LanguageSelect* ui;
    int m_selectedLanguage = 1;
    int m_currentPage = 1;
};

#endif // LANGUAGESELECT_H
