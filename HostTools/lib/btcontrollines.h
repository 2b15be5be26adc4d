#ifndef BTCONTROLLINES_H
#define BTCONTROLLINES_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class BtModuleSim;
class QTimer;

// The DTR and carrier-detect lines that both modules share (GPIO 58 and 59 in the
// simulated tree): watches the DTR value file the instrument writes and writes carrier
// detect high while any module is in data mode.
class BtControlLines : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPollMs = 2;

    explicit BtControlLines(const QString& root, QObject* parent = nullptr);
    ~BtControlLines() override;

    void start();
    void attach(BtModuleSim* module);
    void dataModeChanged();
    bool dtr() const { return m_dtr; }

    // A write of the instrument in the same process, as it happens (any thread): the
    // control lines of the tree that holds hostPath hear it in write order and stop
    // polling, so no pulse is lost however late their thread runs.
    static void notifyWrite(const QString& hostPath, const QByteArray& value);

private:
    void poll();
    void dtrWritten(bool high);
    void applyDtr(bool high);
    void writeCarrierDetect(bool high);

    QString m_dtrFile;
    QString m_cdFile;
    QTimer* m_timer;
    QList<QPointer<BtModuleSim>> m_modules;
    bool m_dtr = false;
    int m_cd = -1;
};

#endif // BTCONTROLLINES_H
