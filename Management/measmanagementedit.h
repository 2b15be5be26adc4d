#ifndef MEASMANAGEMENTEDIT_H
#define MEASMANAGEMENTEDIT_H

#include <QDate>
#include <QDialog>
#include <QString>
#include <QTime>

namespace Ui {
class MeasManagementEdit;
}

// The dialog for one stored measurement in the list's edit mode: shows its type, date,
// time and name, lets the name be changed on the on-screen keyboard and ends with
// Accept (1, getNewDirName() holds the new directory name), Delete (2) or Cancel and the
// on/off key (0). It touches no file; the list acts on the result.
//
// A directory name is prefix (2 characters) "_" yyyyMMdd "_" hhmmss "_" name: the date
// stands at characters 3 to 10, the time at 12 to 17, the name from character 19 on.
class MeasManagementEdit : public QDialog
{
    Q_OBJECT
public:
    enum Result { Cancelled = 0, Accepted = 1, Deleted = 2 };

    explicit MeasManagementEdit(QWidget* parent = nullptr);
    ~MeasManagementEdit() override;

    void init(QString a_dirName);
    QString getNewDirName() const { return m_newDirName; }

    // A part that does not parse gives a null date or time; a name shorter than 19
    // characters gives an empty name. The name is taken as it stands, not trimmed.
    static void convertDirnameToString(QString a_dirName, QString* a_measType, QDate* a_date, QTime* a_time,
                                       QString* a_name);
    // Prefix and name trimmed; a null date or time is written as an empty part.
    static void convertStringToDirname(QString* a_dirName, QString a_measType, QDate a_date, QTime a_time,
                                       QString a_name);

private slots:
    void on_butEdit_clicked();
    void on_butAccept_clicked();
    void on_butDelete_clicked();
    void on_butCancel_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    Ui::MeasManagementEdit* ui;
    QString m_measType;
    QDate m_date;
    QTime m_time;
    QString m_measurementName;
    QString m_newMeasurementName;
    QString m_newDirName;
};

#endif // MEASMANAGEMENTEDIT_H
