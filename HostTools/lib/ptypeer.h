#ifndef PTYPEER_H
#define PTYPEER_H

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The device end of a simulated serial line: a pseudo-terminal whose slave is linked
// at a device path (e.g. "$TK9400_ROOT/dev/ttyO2"), so the instrument opens it with its
// real serial-port code. The simulator reads and writes the master end.
class PtyPeer : public QObject
{
    Q_OBJECT
public:
    explicit PtyPeer(QObject* parent = nullptr);
    ~PtyPeer() override;

    // Creates the pseudo-terminal and the link; an existing link is replaced.
    bool open(const QString& linkPath, QString* error = nullptr);
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString slaveName() const { return m_slaveName; }
    QString linkPath() const { return m_linkPath; }

    // Writes everything now (blocking briefly if the line is full).
    bool write(const QByteArray& data);

signals:
    void received(const QByteArray& data);

private:
    void readAvailable();

    int m_master = -1;
    int m_slaveKeepAlive = -1; // keeps the line up while the instrument has it closed
    QSocketNotifier* m_notifier = nullptr;
    QString m_slaveName;
    QString m_linkPath;
};

#endif // PTYPEER_H
