// The window stays alive while a job works through ten million lines: its 500 ms timer keeps
// firing, because the job runs on a thread of its own.
#include <QElapsedTimer>
#include <QTimer>

#include "ops/operation_table.h"
#include "tests/ui/window_fixture.h"

using namespace quorvan;
using namespace quorvan::testing;

class TimerDuringJobTest : public QObject {
  Q_OBJECT

 private slots:
  void timerFiresWhileTenMillionLinesAreDeduplicated() {
    WindowFixture f;
    LineList& lines = f.state.store.workingLines;
    lines.reserve(10'000'000);
    for (int i = 0; i < 10'000'000; ++i) lines.append(i % 2 ? TextView("13800138000") : TextView("x"));

    auto* timer = f.window->findChild<QTimer*>("时钟1");
    QVERIFY(timer);
    int ticks = 0;
    connect(timer, &QTimer::timeout, [&] { ++ticks; });
    f.button(operationEntry(OperationKind::RemoveDuplicates).radio)->setChecked(true);

    QElapsedTimer clock;
    clock.start();
    f.click("按钮3");
    QVERIFY(QTest::qWaitFor([&] { return f.idle(); }, 600000));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(lines.count(), 2);
    QCOMPARE(f.state.store.removedLines.count(), 9'999'998);
    qInfo("job: %lld ms, timer ticks: %d", elapsed, ticks);
    // Every 500 ms of the job gave the timer its turn (allowing for a busy machine).
    if (elapsed >= 1500) QVERIFY2(ticks >= 1 && ticks >= elapsed / 500 / 4, qPrintable(QString::number(ticks)));
  }
};

QTEST_MAIN(TimerDuringJobTest)
#include "timer_during_job_test.moc"
