#include "app/single_instance.h"

#include <QDir>
#include <QMessageBox>
#include <cstdio>

#include "app/display_check.h"

SingleInstance::SingleInstance(const QString& dataFolder)
    : folder_(dataFolder),
      lock_(
          std::make_unique<QLockFile>(QDir(dataFolder).filePath(QStringLiteral("Kelvane.lock")))) {
    // Never stale by age: a program may run for days. A lock whose process
    // is gone is still taken over.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::Acquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

QString SingleInstance::RefusalText() const {
    return QStringLiteral(
               "Kelvane is already running on the data folder %1.\n"
               "Use that window, or start with --data-dir to name another folder.")
        .arg(QDir::toNativeSeparators(folder_));
}

QString SingleInstance::HandedOverText() const {
    return QStringLiteral(
               "Kelvane is already running on the data folder %1; its window is brought to "
               "the front.")
        .arg(QDir::toNativeSeparators(folder_));
}

void ReportHandedOver(const SingleInstance& instance) {
    std::fprintf(stderr, "kelvane: %s\n", instance.HandedOverText().toLocal8Bit().constData());
}

void ReportAlreadyRunning(const SingleInstance& instance) {
    const QString text = instance.RefusalText();
    std::fprintf(stderr, "kelvane: %s\n", text.toLocal8Bit().constData());
    if (!WindowPlatform()) return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kelvane"), text, QMessageBox::Ok);
    box.exec();
}
