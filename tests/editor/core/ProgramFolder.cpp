#include "ProgramFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

ProgramFolder::ProgramFolder() {
    EXPECT_TRUE(m_dir.isValid());
    for (const char* sub : {"PrivatePlugin", "PublicPlugin"}) QDir(m_dir.path()).mkpath(QLatin1String(sub));
    EXPECT_TRUE(strings.Open(QStringLiteral(PEL_OUT_DIR "/PeloraMachineTool_RC.so")));
    m_oldLog = qgetenv("PEL_FAKE_PLUGIN_LOG");
    qputenv("PEL_FAKE_PLUGIN_LOG", File(QStringLiteral("plugins.log")).toLocal8Bit());
}

ProgramFolder::~ProgramFolder() {
    qputenv("PEL_FAKE_PLUGIN_LOG", m_oldLog);
}

void ProgramFolder::Place(const char* fixture, const char* folder, const QString& fileName) const {
    const QString source = QStringLiteral(PEL_TEST_BIN_DIR "/fixtures/%1.so").arg(QLatin1String(fixture));
    const QString target = File(QLatin1String(folder) + QLatin1Char('/') + fileName);
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(source, target)) << source.toStdString();
}

QStringList ProgramFolder::Log() const {
    return QString::fromUtf8(ReadFile(QStringLiteral("plugins.log")))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void ProgramFolder::ClearLog() const {
    QFile::remove(File(QStringLiteral("plugins.log")));
}

void ProgramFolder::WriteFile(const QString& relative, const QByteArray& bytes) const {
    const QString path = File(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray ProgramFolder::ReadFile(const QString& relative) const {
    QFile file(File(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
