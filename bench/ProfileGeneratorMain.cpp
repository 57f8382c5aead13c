#include <QByteArray>
#include <cstdio>

#include "ProfileGenerator.h"

// pel_profile_generator <file> <megabytes> [--large-part=<elements>]
int main(int argc, char** argv) {
    ProfileShape shape;
    bool ok = argc == 3 || argc == 4;
    if (ok) shape.targetBytes = QByteArray(argv[2]).toLongLong(&ok) << 20;
    if (ok && argc == 4) {
        const QByteArray option(argv[3]);
        ok = option.startsWith("--large-part=");
        if (ok) shape.largePartElements = option.mid(13).toLongLong(&ok);
    }
    if (!ok) {
        std::fprintf(stderr, "usage: %s <file> <megabytes> [--large-part=<elements>]\n", argv[0]);
        return 2;
    }
    const GeneratedProfile result = GenerateProfile(QString::fromLocal8Bit(argv[1]), shape);
    if (result.members < 0) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
        return 1;
    }
    std::printf("%s: %lld members\n", argv[1], static_cast<long long>(result.members));
    return 0;
}
