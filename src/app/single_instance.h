#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One program per data folder: a second one would overwrite the first one's
// settings file. The lock is a file in the data folder, held while the
// program runs; a lock left by a program that died is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& dataFolder);

    // Whether this program now holds the folder.
    bool Acquire();

    // The sentence shown when another program holds the folder.
    QString RefusalText() const;

    // The sentence shown when the program holding the folder took over.
    QString HandedOverText() const;

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
};

// Tells the user another Kelvane holds the folder: on standard error and in
// the program's message box.
void ReportAlreadyRunning(const SingleInstance& instance);

// Tells on standard error that the program holding the folder was asked to
// bring its window up instead.
void ReportHandedOver(const SingleInstance& instance);
