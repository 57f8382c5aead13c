#include <QCoreApplication>
#include <cstdio>

#include "ProfileGenerator.h"

// pel_profile_generator <file> <megabytes>
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <file> <megabytes>\n", argv[0]);
        return 2;
    }
    const qint64 members =
        GenerateProfile(QString::fromLocal8Bit(argv[1]), QByteArray(argv[2]).toLongLong() << 20);
    if (members < 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %lld members\n", argv[1], static_cast<long long>(members));
    return 0;
}
