#include "core/Job.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <memory>
#include <stdexcept>

// What comes back from work off the user-interface thread, and what never
// does: answers of cancelled runs and answers to a Job that is gone.
class JobTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data() {
        QTest::addColumn<QString>("work"); // value, nothing, AppError, exception, int
        QTest::addColumn<QString>("answer");
        QTest::newRow("value") << "value"
                               << "done 42";
        QTest::newRow("no value") << "nothing"
                                  << "done";
        QTest::newRow("error of ours") << "AppError"
                                       << "failed Cannot create file /x";
        QTest::newRow("library exception") << "exception"
                                           << "failed bad length";
        QTest::newRow("anything thrown") << "int"
                                         << "failed The work stopped with an unknown error";
        // Steps may be merged while the receiver is busy; the last one never.
        QTest::newRow("progress, then the value") << "progress"
                                                  << "3 of 3, done 3";
    }
    void answers() {
        QFETCH(QString, work);
        QFETCH(QString, answer);
        Job job;
        QStringList got;
        const auto failed = [&](const QString& text) { got << "failed " + text; };
        QFuture<int> future;
        if (work == "value")
            future = job.run([](const Job::Stop&) { return 42; },
                             [&](int v) { got << "done " + QString::number(v); }, failed);
        else if (work == "progress")
            job.runReporting(
                [](const Job::Stop&, const Job::Report& report) {
                    for (int i = 1; i <= 3; ++i)
                        report(i, 3);
                    return 3;
                },
                [&](int done, int total) {
                    if (!got.isEmpty() && got.last().contains(" of "))
                        got.removeLast();
                    got << QString("%1 of %2").arg(done).arg(total);
                },
                [&](int v) {
                    got << (got.isEmpty() ? QString() : got.takeLast()) + ", done " +
                               QString::number(v);
                },
                failed);
        else if (work == "nothing")
            job.run([](const Job::Stop&) {}, [&] { got << "done"; }, failed);
        else
            job.run(
                [work](const Job::Stop&) {
                    if (work == "AppError")
                        throw AppError(QStringLiteral("Cannot create file /x"));
                    if (work == "exception")
                        throw std::length_error("bad length");
                    throw 7;
                },
                [&] { got << "done"; }, failed);
        QVERIFY(got.isEmpty()); // never inside run()
        QTRY_COMPARE_WITH_TIMEOUT(job.running(), 0, 5000);
        QCOMPARE(got, QStringList{answer});
        // A reader of the future still sees it over once the answer is in.
        QVERIFY(future.isFinished());
    }

    // `blocked` runs wait on a gate while the step happens; then the gate
    // opens and every run ends.
    void droppedAnswers_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("stopSeen"); // the blocked run saw its stop flag
        QTest::newRow("none: both answer") << "none" << QStringList{"old", "new"} << false;
        QTest::newRow("cancel: the stale one dropped") << "cancel" << QStringList{"new"} << true;
        QTest::newRow("cancelled twice") << "cancel twice" << QStringList{"new"} << true;
        QTest::newRow("Job destroyed: nobody called") << "destroy" << QStringList{} << true;
    }
    void droppedAnswers() {
        QFETCH(QString, step);
        QFETCH(QStringList, answers);
        QFETCH(bool, stopSeen);
        auto gate = std::make_shared<QSemaphore>();
        auto stopped = std::make_shared<std::atomic<bool>>(false);
        auto ended = std::make_shared<QSemaphore>();
        auto job = std::make_unique<Job>(nullptr, Job::Pool::MayHang);
        QStringList got;
        job->run(
            [gate, stopped, ended](const Job::Stop& stop) {
                gate->acquire();
                *stopped = stop.requested();
                ended->release();
                return QStringLiteral("old");
            },
            [&](const QString& s) { got << s; });
        if (step.startsWith("cancel"))
            job->cancel();
        if (step == "cancel twice")
            job->cancel();
        QElapsedTimer clock;
        clock.start();
        if (step == "destroy")
            job.reset(); // must not wait for the blocked worker
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));
        if (job)
            job->run([ended](const Job::Stop&) { return ended->release(), QStringLiteral("new"); },
                     [&](const QString& s) { got << s; });
        gate->release();
        QVERIFY(ended->tryAcquire(job ? 2 : 1, 5000));
        if (job)
            QTRY_COMPARE_WITH_TIMEOUT(job->running(), 0, 5000);
        else
            QTest::qWait(50); // a posted answer would arrive now
        got.sort();
        answers.sort();
        QCOMPARE(got, answers);
        QCOMPARE(stopped->load(), stopSeen);
    }

    // Work stuck in the kernel (a dead mount) never holds up other work.
    void stuckWorkLeavesOthersFree() {
        auto gate = std::make_shared<QSemaphore>();
        Job hung(nullptr, Job::Pool::MayHang);
        for (int i = 0; i < 2 * QThread::idealThreadCount() + 2; ++i)
            hung.run([gate](const Job::Stop&) { gate->acquire(); }, [] {});
        Job quick;
        bool done = false;
        for (int i = 0; i < 2 * QThread::idealThreadCount(); ++i)
            quick.run([](const Job::Stop&) { return 1; }, [&](int) { done = true; });
        QTRY_VERIFY_WITH_TIMEOUT(done && quick.running() == 0, 5000);
        QVERIFY(hung.running() > 0);
        gate->release(1000);
        QTRY_COMPARE_WITH_TIMEOUT(hung.running(), 0, 5000);
    }
};

TABDECK_TEST(JobTest)
#include "JobTest.moc"
