// Runs control file operations in a process of its own, for the tests that
// need another user (permissions) or a process that can be killed mid-write.
//   controlfile_writer read PATH SECTION KEY LIMIT    prints "LENGTH:TEXT"
//   controlfile_writer write PATH SECTION KEY VALUE   exit 0, or 3 and the error text
//   controlfile_writer loop PATH SECTION KEY FIRST    writes values v<FIRST>, v<FIRST+1>, ...
//                                                     printing "ready", then "done N" after each
//   controlfile_writer keys PATH SECTION PREFIX COUNT  writes keys PREFIX1..PREFIXCOUNT at full
//                                                     speed, each with its own name as value
//   controlfile_writer peak PATH SECTION KEY          reads one key, printing the peak memory
//                                                     before and after in KB: "BEFORE AFTER"
//   controlfile_writer paths EXECUTABLE HOME          prints the data folder
//   controlfile_writer start EXECUTABLE HOME          the first-run creation; prints BUTTON 1
#include "core/ControlFile.h"
#include "core/DefaultControlFile.h"
#include "core/Error.h"
#include "core/Opener.h"
#include "core/ProgramPaths.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

long peakKb() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Values of changing length, so that a torn write could not pass for a whole one.
QString loopValue(long n) {
    return QStringLiteral("v%1-%2").arg(n).arg(QString(int(n % 97), QChar('x')));
}

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const char* mode = argv[1];
    auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    try {
        if (std::strcmp(mode, "read") == 0 && argc == 6) {
            ControlFile file(arg(2));
            const auto v = file.read(arg(3), arg(4), arg(5).toInt());
            std::printf("%d:%s\n", v.length, v.text.toUtf8().constData());
            return 0;
        }
        if (std::strcmp(mode, "write") == 0 && argc == 6) {
            ControlFile file(arg(2));
            file.write(arg(3), arg(4), arg(5));
            return 0;
        }
        if (std::strcmp(mode, "loop") == 0 && argc == 6) {
            ControlFile file(arg(2));
            std::setvbuf(stdout, nullptr, _IONBF, 0);
            std::printf("ready\n");
            for (long n = arg(5).toLong();; ++n) {
                file.write(arg(3), arg(4), loopValue(n));
                std::printf("done %ld\n", n);
            }
        }
        if (std::strcmp(mode, "keys") == 0 && argc == 6) {
            ControlFile file(arg(2));
            const int count = arg(5).toInt();
            for (int n = 1; n <= count; ++n) {
                const QString key = arg(4) + QString::number(n);
                file.write(arg(3), key, key);
            }
            return 0;
        }
        if (std::strcmp(mode, "peak") == 0 && argc == 5) {
            ControlFile file(arg(2));
            const long before = peakKb();
            const auto v = file.read(arg(3), arg(4), 256);
            std::printf("%ld %ld %d\n", before, peakKb(), v.length);
            return 0;
        }
        if (std::strcmp(mode, "start") == 0 && argc == 4) {
            struct : Opener {
                void open(QObject*, const QString&) override {}
            } opener;
            const ProgramPaths p = ProgramPaths::fromExecutable(arg(2), arg(3));
            ControlFile file(p.controlFile);
            createDefaultControlFile(file, p, opener, nullptr);
            std::printf("%s\n", file.read("BUTTON", "1", 256).text.toUtf8().constData());
            return 0;
        }
        if (std::strcmp(mode, "paths") == 0 && argc == 4) {
            const ProgramPaths p = ProgramPaths::fromExecutable(arg(2), arg(3));
            std::printf("%s\n", p.dataDir.toUtf8().constData());
            return 0;
        }
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s\n", e.text().toUtf8().constData());
        return 3;
    }
    return 2;
}
