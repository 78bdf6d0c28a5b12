#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// A second Kelvane started on a data folder that a running one holds rings
// the running one's doorbell, and that one brings its window to the front:
// the user asked for the program and gets it. The doorbell is a local socket
// in the abstract namespace, named from the folder, so it never leaves a file
// behind and only programs of the same user are answered.
class InstanceDoorbell : public QObject {
    Q_OBJECT
public:
    explicit InstanceDoorbell(const QString& dataFolder, QObject* parent = nullptr);
    ~InstanceDoorbell() override;

    // Listens for rings; false when the doorbell cannot be set up (the
    // program then runs as before, a second one says it is refused).
    bool Listen();

    // Rings the program that holds the folder and waits a little for its
    // answer. True when it answered: it has brought its window up.
    static bool Ring(const QString& dataFolder);

signals:
    void rung();

private:
    void Answer();

    QString folder_;
    int socket_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
