#include "BenchSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <vector>

extern char** environ;

namespace {

QByteArray ReadAll(int fd) {
    QByteArray all;
    char buffer[65536];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        all.append(buffer, n);
    }
    return all;
}

double StatusMiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

}  // namespace

BenchOptions ParseBenchOptions(int argc, char** argv) {
    BenchOptions options;
    options.dir = QDir::tempPath() + QStringLiteral("/pel_bench");
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a.startsWith("--sizes=")) {
            options.sizes.clear();
            for (const QByteArray& s : a.mid(8).split(',')) options.sizes << s.toInt();
        } else if (a.startsWith("--dir=")) {
            options.dir = QString::fromLocal8Bit(a.mid(6));
        } else if (a.startsWith("--runs=")) {
            options.runs = std::max(1, a.mid(7).toInt());
        } else {
            options.rest << a;
        }
    }
    QDir().mkpath(options.dir);
    return options;
}

bool EnsureProfile(const QString& file, const ProfileShape& shape) {
    if (QFileInfo::exists(file)) return true;
    const GeneratedProfile generated = GenerateProfile(file, shape);
    if (generated.members < 0) {
        std::fprintf(stderr, "%s\n", qPrintable(generated.error));
        return false;
    }
    std::printf("generated %s: %lld members\n", qPrintable(file), static_cast<long long>(generated.members));
    return true;
}

ChildRun RunChild(const QStringList& args, bool countInstructions) {
    QStringList command = args;
    if (countInstructions)
        command = QStringList{"valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"} + args;
    std::vector<QByteArray> bytes;
    for (const QString& a : command) bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);

    ChildRun run;
    int out[2], err[2];
    if (pipe(out) != 0) return run;
    if (pipe(err) != 0) {
        close(out[0]);
        close(out[1]);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    QElapsedTimer timer;
    timer.start();
    pid_t pid;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    if (rc != 0) {
        close(out[0]);
        close(err[0]);
        return run;
    }
    // The child's error output is small (xmllint's verdict, valgrind's summary): read it after the output.
    run.output = ReadAll(out[0]);
    const QByteArray errors = ReadAll(err[0]);
    close(out[0]);
    close(err[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.wallMs = timer.nsecsElapsed() / 1e6;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    run.peakMiB = usage.ru_maxrss / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (countInstructions) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Collected : (\\d+)")).match(QString::fromLocal8Bit(errors));
        run.instructions = m.hasMatch() ? m.captured(1).toLongLong() : -1;
    }
    return run;
}

double Median(QList<double> values) {
    if (values.isEmpty()) return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double ResidentMiB() {
    return StatusMiB("VmRSS:");
}

double PeakResidentMiB() {
    return StatusMiB("VmHWM:");
}

const char* Verdict(double value, double target) {
    return value <= target ? "met" : "MISSED";
}

QString EnsureSizedProfile(const QString& dir, int mb, int runs) {
    const QString file = dir + QString("/profile_%1MB.pelp").arg(mb);
    ProfileShape shape;
    shape.targetBytes = qint64(mb) << 20;
    if (!EnsureProfile(file, shape)) return {};
    std::printf("%d MB profile (%.1f MB file), %d rounds\n", mb, QFileInfo(file).size() / 1048576.0, runs);
    return file;
}

void IsolateUserFolders(const QString& home) {
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
        qputenv(name, (home + QLatin1Char('/') + QLatin1String(name)).toUtf8());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home);
}
