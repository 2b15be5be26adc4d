#ifndef MEASMANAGEMENT_H
#define MEASMANAGEMENT_H

#include <QString>
#include <QStringList>
#include <QWidget>

namespace Ui {
class MeasManagement;
}
class QStackedWidget;
class SettingsButton;

// The list of stored measurements (widget 7): the newest entries of the store, five to
// a page, each opening the page of its type in its stored view; in edit mode an entry
// opens the edit dialog, and the list renames or deletes it there.
//
// The buttons and pages are made once; a rebuild only relabels, places, shows and hides
// them. Every file operation stays inside the store and works on absolute paths.
class MeasManagement : public QWidget
{
    Q_OBJECT
public:
    static const int kMaxEntries = 100;
    static const int kEntriesPerPage = 5;
    static const int kPages = kMaxEntries / kEntriesPerPage;

    explicit MeasManagement(QWidget* parent = nullptr);
    ~MeasManagement() override;

    // Rebuilds the list from the store on page a_pageNum, in edit mode or not, with no
    // entry selected.
    void init(int a_pageNum, bool a_editmode);

    // The directory name (no path) of the measurement last opened; empty after init().
    QString getSelectedMeasurementDir() const { return m_selectedMeasurementDir; }
    // Selects the measurement directory and asks for the page of its type prefix to show
    // it (LE 1, PP 3, H2 6, PL 8, LT 9, case-sensitive); any other prefix opens nothing.
    void openStoredMeasurement(QString dir);

    int currentPage() const { return m_currentPageNum; }
    int numPages() const { return m_numPages; }
    int numMeasurements() const { return m_numMeasurements; }
    bool isEditMode() const { return m_editDeleteMode; }

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

private slots:
    void on_butMenuBack_clicked();
    void on_butMenuEdit_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuPageUp_clicked();
    void on_butMenuPageDown_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Shared by the list buttons (connected in the constructor), which tell the entry.
    void on_butMeasurement_clicked();
    void updateButtonData(SettingsButton* a_but, QString a_dirName, bool a_editDeletMode);
    // How far a delete came: out of the list and gone, out of the list with files left in
    // the staging entry, or refused with the entry as it was.
    enum class Deletion { Deleted, FilesRemain, Refused };

    void editMeasurement(const QString& dirName);
    bool renameMeasurement(const QString& oldName, const QString& newDirName);
    // Puts the information file back as it was (content, or none when null) after a rename
    // that is refused; a file that is already so is left alone.
    static void restoreInformationFile(const QString& path, const QByteArray* content);
    Deletion deleteMeasurement(const QString& name);
    void showPage(int page);

    Ui::MeasManagement* ui;
    QStackedWidget* m_mainArea;
    QWidget* m_measPage[kPages];
    SettingsButton* m_butMeas[kMaxEntries];
    int m_currentPageNum = 0;
    int m_numPages = 0;
    QStringList m_measurements;
    int m_numMeasurements = 0;
    QString m_selectedMeasurementDir;
    bool m_editDeleteMode = false;
};

#endif // MEASMANAGEMENT_H
