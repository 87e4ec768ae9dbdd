// A program that starts the engine on this computer and then only waits, for a test to kill it:
//   tst_engine_holder ENGINE
// prints "PID FOLDER" of the running engine on one line, or "failed MESSAGE".
#include "client/Error.h"
#include "engine/LocalEngine.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

QCoro::Task<> startAndTell(QPointer<LocalEngine> engine)
{
    try {
        co_await LocalEngine::connection(engine, CancelToken());
        std::printf("%lld %s\n", engine->processId(), qPrintable(engine->folder()));
    } catch (const Error& error) {
        std::printf("failed %s\n", qPrintable(error.description()));
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    LocalEngine engine(QString::fromLocal8Bit(argv[1]));
    QCoro::connect(startAndTell(&engine), &app, [] {});
    return QCoreApplication::exec();
}
