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
// `probabilities` given: the exact multinomial test of a fit, else Fisher's.
FisherOutcome CountExactly(const CountTable& counts, const std::vector<Real>& probabilities,
                           const std::atomic<bool>& cancel, const std::function<void(double, bool)>& report) {
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
    if (probabilities.empty()) return RunFisherTest(counts, control);
    const std::vector<Real> observed = CellsInOrder(counts);
    return RunExactFitTest(observed, probabilities, control);
}

}  // namespace

void TableWindow::StartExactTest(const CountTable& counts, const std::vector<Real>& probabilities) {
    const int generation = ++generation_;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancel;
    const bool fit = !probabilities.empty();
    const QString counting = fit ? tr("Exact multinomial test: counting the outcomes\u2026")
                                 : tr("Fisher's exact test: counting the tables with these margins\u2026");
    const QString drawing = fit ? tr("Exact multinomial test: too many outcomes to count; drawing 100000 random "
                                     "outcomes\u2026")
                                : tr("Fisher's exact test: too many tables to count; drawing 100000 random tables\u2026");
    exactLabel->setText(counting);
    exactProgress->setValue(0);
    exactProgress->show();
    cancelButton->show();
    // Progress and the result come back to this thread queued on this
    // window: a window closed meanwhile drops them (it waits for the count
    // to stop before it goes).
    worker_ = QThread::create([this, counts, probabilities, counting, drawing, cancel, generation] {
        FisherOutcome outcome;
        QString failure;
        try {
            outcome = CountExactly(counts, probabilities, *cancel, [&](double done, bool sampling) {
                QMetaObject::invokeMethod(
                    this, [this, generation, done, sampling, counting, drawing] {
                        ExactProgress(generation, done, sampling ? drawing : counting);
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
                        line = (outcome.multinomial ? tr("Exact multinomial p = %1") : tr("Fisher's exact p = %1"))
                                   .arg(QString::fromStdString(PValueText(outcome.p, format_, CurrentFormatSettings())));
                        for (const std::string& more : ExactTwoByTwoLines(outcome, format_, CurrentFormatSettings()))
                            line += "\n" + QString::fromStdString(more);
                        break;
                    case FisherOutcome::Kind::MonteCarlo:
                        line = (outcome.multinomial
                                    ? tr("Monte Carlo p = %1 \u00b1 %2 (standard error; %3 random outcomes, seed %4)")
                                    : tr("Monte Carlo p = %1 \u00b1 %2 (standard error; %3 random tables, seed %4)"))
                                   .arg(n(outcome.p), n(outcome.standardError))
                                   .arg(outcome.samples)
                                   .arg(outcome.seed);
                        if (outcome.why == FisherOutcome::Why::Time)
                            line += tr("; the exact count did not end within %1 s").arg(int(kDefaultExactSeconds));
                        else if (outcome.why == FisherOutcome::Why::Memory)
                            line += tr("; the exact count needs more memory than it may take");
                        break;
                    case FisherOutcome::Kind::TooLarge:
                        line = outcome.multinomial
                                   ? tr("Exact multinomial test: too many categories to count or draw; the chi-square's p stands")
                                   : tr("Fisher's exact test: too many observations to count or draw; the chi-square's p stands");
                        break;
                    case FisherOutcome::Kind::Cancelled:
                        line = outcome.multinomial ? tr("Exact multinomial test cancelled") : tr("Fisher's exact test cancelled");
                        break;
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
