#ifndef MEASMANAGEMENT_H
#define MEASMANAGEMENT_H

#include <QString>
#include <QWidget>

// The list of stored measurements (placeholder until its screen is built): it knows the
// measurement last opened and opens it in the page of its type.
class MeasManagement : public QWidget
{
    Q_OBJECT
public:
    explicit MeasManagement(QWidget* parent = nullptr);
    void init(int a_pageNum, bool a_editmode);

    // The directory name (no path) of the measurement last opened; empty after init().
    QString getSelectedMeasurementDir() const { return m_selectedMeasurementDir; }
    // Selects the measurement directory and asks for the page of its type prefix to show
    // it (LE 1, PP 3, H2 6, PL 8, LT 9, case-sensitive); any other prefix opens nothing.
    void openStoredMeasurement(QString dir);

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

private:
    QString m_selectedMeasurementDir;
};

#endif // MEASMANAGEMENT_H
