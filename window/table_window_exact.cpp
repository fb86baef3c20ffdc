// The table window's Fisher test in the background: the exact count on a
// worker thread with progress and cancel, Monte Carlo where there are too
// many tables, and the line it comes to shown when it is done.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <random>

#include "calc/two_by_two_lines.h"
#include "calc/table_test.h"
#include "calc/fisher_test.h"
#include "window/table_window.h"

namespace tarvik {

namespace {

// The background test: exact within the command line's default time, then
// 100,000 random tables. Progress is passed on only when the shown
// thousandth changes: the count calls back far more often than a progress
// bar can move.
FisherOutcome CountExactly(const CountTable& counts, const std::atomic<bool>& cancel,
                           const std::function<void(double, bool)>& report) {
    int shown = -1;
    bool shownSampling = false;
    FisherControl control;
    control.seed = std::random_device{}();
    control.progress = [&](double done, bool sampling) {
        if (int(done * 1000) != shown || sampling != shownSampling) report(done, sampling);
        shown = int(done * 1000);
        shownSampling = sampling;
        return !cancel.load();
    };
    return RunFisherTest(counts, control);
}

}  // namespace

void TableWindow::StartExactTest(const CountTable& counts) {
    const int generation = ++generation_;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancel;
    exactLabel->setText(tr("Fisher's exact test: counting the tables with these margins\u2026"));
    exactProgress->setValue(0);
    exactProgress->show();
    cancelButton->show();
    // Progress and the result come back to this thread queued on this
    // window: a window closed meanwhile drops them (it waits for the count
    // to stop before it goes).
    worker_ = QThread::create([this, counts, cancel, generation] {
        FisherOutcome outcome;
        QString failure;
        try {
            outcome = CountExactly(counts, *cancel, [this, generation](double done, bool sampling) {
                QMetaObject::invokeMethod(
                    this, [this, generation, done, sampling] {
                        ExactProgress(generation, done, sampling ? tr("Fisher's exact test: too many tables to count; "
                                                                      "drawing 100000 random tables\u2026")
                                                                 : tr("Fisher's exact test: counting the tables with "
                                                                      "these margins\u2026"));
                    },
                    Qt::QueuedConnection);
            });
        } catch (const std::exception& e) {
            failure = QString::fromStdString(e.what());
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation, outcome, failure] {
                QString line;
                const auto n = [&](Real v) { return QString::fromStdString(FormatNumber(v, format_)); };
                switch (outcome.kind) {
                    case FisherOutcome::Kind::Exact:
                        line = tr("Fisher's exact p = %1")
                                   .arg(QString::fromStdString(PValueText(outcome.p, format_, CurrentFormatSettings())));
                        for (const std::string& more : ExactTwoByTwoLines(outcome, format_, CurrentFormatSettings()))
                            line += "\n" + QString::fromStdString(more);
                        break;
                    case FisherOutcome::Kind::MonteCarlo:
                        line = tr("Monte Carlo p = %1 \u00b1 %2 (standard error; %3 random tables, seed %4)")
                                   .arg(n(outcome.p), n(outcome.standardError))
                                   .arg(outcome.samples)
                                   .arg(outcome.seed);
                        if (outcome.why == FisherOutcome::Why::Time)
                            line += tr("; the exact count did not end within %1 s").arg(int(kDefaultExactSeconds));
                        else if (outcome.why == FisherOutcome::Why::Memory)
                            line += tr("; the exact count needs more memory than it may take");
                        break;
                    case FisherOutcome::Kind::TooLarge:
                        line = tr("Fisher's exact test: too many observations to count or draw; the chi-square's p stands");
                        break;
                    case FisherOutcome::Kind::Cancelled: line = tr("Fisher's exact test cancelled"); break;
                }
                if (!failure.isEmpty()) line = tr("Fisher's exact test failed: %1").arg(failure);
                ExactFinished(generation, line, outcome);
            },
            Qt::QueuedConnection);
    });
    worker_->start();
}

void TableWindow::StopExactTest() {
    if (cancel_) cancel_->store(true);
    if (worker_) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    exactProgress->hide();
    cancelButton->hide();
}

void TableWindow::ExactProgress(int generation, double done, const QString& stage) {
    if (generation != generation_) return;
    exactLabel->setText(stage);
    exactProgress->setValue(int(done * 1000));
}

void TableWindow::ExactFinished(int generation, const QString& line, const FisherOutcome& outcome) {
    if (generation != generation_) return;
    if (worker_) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    exactLine_ = line;
    exactOutcome_ = outcome;
    exactLabel->setText(line);
    exactProgress->hide();
    cancelButton->hide();
}

}  // namespace tarvik
