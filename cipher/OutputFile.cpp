#include "cipher/OutputFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#define fsync _commit
#else
#include <unistd.h>
#endif

namespace cipher {

QString describeFileError(const QFileDevice& file) {
    QString text = file.errorString();
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        text = QString::fromLocal8Bit(std::strerror(errno));
    return text;
}

OutputFile::OutputFile(QString path) : m_path(std::move(path)) {}

OutputFile::~OutputFile() {
    if (!m_finished)
        cancel();
}

QString OutputFile::temporaryPath() const {
    return (!m_direct && m_file) ? m_file->fileName() : QString();
}

bool OutputFile::open(QString* error) {
    if (m_path.isEmpty()) {
        *error = QStringLiteral("no file name was given");
        return false;
    }
    QFileInfo info(m_path);
    // Write through a symbolic link to the file it names, as an editor would.
    m_target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : m_path;
    QFileInfo target(m_target);
    if (target.isDir()) {
        *error = QStringLiteral("it is a folder");
        return false;
    }
    if (target.exists() && !target.isFile()) {
        m_direct = true;
        m_file = std::make_unique<QFile>(m_target);
        if (!m_file->open(QIODevice::WriteOnly)) {
            *error = describeFileError(*m_file);
            return false;
        }
        return true;
    }
    const QString dir = target.absolutePath();
    if (!QFileInfo(dir).isDir()) {
        *error = QStringLiteral("the folder %1 does not exist").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    auto temp = std::make_unique<QTemporaryFile>(target.absoluteFilePath() +
                                                 QLatin1String(kPartialSuffix) +
                                                 QLatin1String(".XXXXXX"));
    temp->setAutoRemove(false);
    if (!temp->open()) {
        *error = describeFileError(*temp);
        return false;
    }
    // A new file gets the usual permissions, a replaced one keeps its own.
    const QFileDevice::Permissions perms =
        target.exists() ? QFile::permissions(m_target)
                        : (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                           QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    temp->setPermissions(perms);
    m_file = std::move(temp);
    return true;
}

bool OutputFile::write(const char* data, qint64 size, QString* error) {
    while (size > 0) {
        const qint64 written = m_file->write(data, size);
        if (written <= 0) {
            *error = describeFileError(*m_file);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool OutputFile::commit(QString* error) {
    if (!m_file->flush()) {
        *error = describeFileError(*m_file);
        cancel();
        return false;
    }
    if (m_direct) {
        m_file->close();
        m_finished = true;
        return true;
    }
    // The data must be on the disk before the name points at it.
    if (m_syncOnCommit && ::fsync(m_file->handle()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        cancel();
        return false;
    }
    const QString tempName = m_file->fileName();
    m_file->close();
    if (m_file->error() != QFileDevice::NoError) {
        *error = describeFileError(*m_file);
        cancel();
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(tempName).toStdString(),
                            QFile::encodeName(m_target).toStdString(), ec);
    if (ec) {
        *error = QString::fromStdString(ec.message());
        cancel();
        return false;
    }
    m_finished = true;
    return true;
}

void OutputFile::cancel() {
    m_finished = true;
    if (!m_file)
        return;
    m_file->close();
    if (!m_direct)
        QFile::remove(m_file->fileName());
}

} // namespace cipher
