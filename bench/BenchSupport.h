#pragma once
// What the benchmarks share: their options, their generated profiles, and measuring a program run by itself
// in a child process, as they compare the editor's code with xmllint on the same file.

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "ProfileGenerator.h"

// --sizes=10,100 (profile sizes in MB), --dir=DIR (where profiles are generated), --runs=3 (rounds); the
// rest are left to the benchmark.
struct BenchOptions {
    QList<int> sizes{10, 100};
    QString dir;
    int runs = 3;
    QList<QByteArray> rest;
};
BenchOptions ParseBenchOptions(int argc, char** argv);

// Writes the profile unless the file exists; false, with the reason on stderr, when it cannot.
bool EnsureProfile(const QString& file, const ProfileShape& shape);
// The generated profile of about mb megabytes in dir, announced with the rounds to come; empty when it
// cannot be written.
QString EnsureSizedProfile(const QString& dir, int mb, int runs);

// Points the desktop's and Qt's per-user folders (XDG, QSettings) into home, so that a benchmark that runs
// the editor neither reads nor writes the user's own. Before the QApplication is made.
void IsolateUserFolders(const QString& home);

struct ChildRun {
    bool ok = false;  // started and exited with status 0
    double wallMs = 0;
    double cpuMs = 0;          // user and system time of the child, as the kernel counts it
    double peakMiB = 0;        // the child's peak resident memory
    qint64 instructions = -1;  // with countInstructions: what callgrind counted
    QByteArray output;         // what the child wrote to its standard output
};

// Runs the program to its end. With countInstructions it runs under valgrind's callgrind, which counts
// the instructions executed whatever else the machine is doing (time and memory are then meaningless).
ChildRun RunChild(const QStringList& args, bool countInstructions = false);

// The middle value; 0 for none.
double Median(QList<double> values);

// The process's resident memory now and at its peak, from /proc (MiB).
double ResidentMiB();
double PeakResidentMiB();

// "met" or "MISSED" for a measured ratio against its target.
const char* Verdict(double value, double target);
