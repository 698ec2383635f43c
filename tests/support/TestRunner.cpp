#include "TestRunner.h"
#include "TestRegistry.h"

#include <QCoreApplication>
#include <QTest>
#include <cstring>

namespace testsupport {
std::vector<Registration>& registry() {
    static std::vector<Registration> r;
    return r;
}
} // namespace testsupport

int testsupport::runTests(int argc, char** argv) {
    QCoreApplication::setApplicationName("TabdeckV10");
    const char* only = nullptr;
    QStringList rest;
    rest << QString::fromLocal8Bit(argv[0]);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-class") == 0 && i + 1 < argc)
            only = argv[++i];
        else
            rest << QString::fromLocal8Bit(argv[i]);
    }
    int failed = 0;
    int ran = 0;
    for (auto& reg : testsupport::registry()) {
        if (only && std::strcmp(only, reg.name) != 0)
            continue;
        auto object = reg.make();
        failed += QTest::qExec(object.get(), rest) != 0 ? 1 : 0;
        ++ran;
    }
    if (ran == 0) {
        fprintf(stderr, "no test class named %s\n", only ? only : "(any)");
        return 2;
    }
    return failed == 0 ? 0 : 1;
}
