#include "Management/languageselect.h"
#include "ui_languageselect.h"

#include <QEvent>

LanguageSelect::LanguageSelect(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::LanguageSelect)
{
    ui->setupUi(this);
    initFrame();
    showPage(1);
}

LanguageSelect::~LanguageSelect()
{
    delete ui;
}

void LanguageSelect::choose(int language)
{
    m_selectedLanguage = language;
    accept();
}

// Numbers as the catalogues count them; the buttons are not in number order.
void LanguageSelect::on_butEnglish_clicked() { choose(1); }
void LanguageSelect::on_butGerman_clicked() { choose(2); }
void LanguageSelect::on_butFrench_clicked() { choose(3); }
void LanguageSelect::on_butItalian_clicked() { choose(4); }
void LanguageSelect::on_butSpanish_clicked() { choose(5); }
void LanguageSelect::on_butChinese_clicked() { choose(6); }
void LanguageSelect::on_butCzech_clicked() { choose(7); }
void LanguageSelect::on_butHungarian_clicked() { choose(8); }
void LanguageSelect::on_butRussian_clicked() { choose(9); }
void LanguageSelect::on_butSlovenian_clicked() { choose(10); }
void LanguageSelect::on_butJapanese_clicked() { choose(11); }
void LanguageSelect::on_butPolish_clicked() { choose(12); }
void LanguageSelect::on_butPortuguese_clicked() { choose(13); }
void LanguageSelect::on_butRomanian_clicked() { choose(14); }
void LanguageSelect::on_butSlovakian_clicked() { choose(15); }
void LanguageSelect::on_butSwedish_clicked() { choose(16); }
void LanguageSelect::on_butSuomi_clicked() { choose(17); }
void LanguageSelect::on_butDanish_clicked() { choose(18); }
void LanguageSelect::on_butNorwegian_clicked() { choose(19); }
void LanguageSelect::on_butBulgarian_clicked() { choose(20); }
void LanguageSelect::on_butCroatian_clicked() { choose(21); }
void LanguageSelect::on_butKorean_clicked() { choose(22); }
void LanguageSelect::on_butSerbian_clicked() { choose(23); }
void LanguageSelect::on_butTurkish_clicked() { choose(24); }

void LanguageSelect::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
}

void LanguageSelect::on_butMenuUp_clicked()
{
    showPage(m_currentPage > 1 ? m_currentPage - 1 : kPages);
}

void LanguageSelect::on_butMenuDown_clicked()
{
    showPage(m_currentPage < kPages ? m_currentPage + 1 : 1);
}

void LanguageSelect::on_butMenuBack_clicked()
{
    reject();
}

void LanguageSelect::changeEvent(QEvent* event)
{
    // The dialog outlives a change of language; only the tool tips are translated.
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    SettingsDialog::changeEvent(event);
}
