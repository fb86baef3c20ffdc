// The table window's Fisher test in the background: the exact count on a
// worker thread with progress and cancel, Monte Carlo where there are too
// many tables, and the line it comes to shown when it is done.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <random>

#include "calc/table_test.h"
#include "math/fisher_exact_table.h"
#include "window/table_window.h"

namespace tarvik {

namespace {

// The background count: up to 50 million tables (some ten seconds), then
// 100,000 random tables; 2 x 2 tables are summed directly up to 1e10 in all
// (about a second).
constexpr std::int64_t kTableBudget = 50000000;
constexpr std::int64_t kMonteCarloSamples = 100000;
const Real kLargestTwoByTwo = 1e10_r;
const Real kLargestMonteCarloTotal = 1e7_r;
// What the background count came to.
struct ExactOutcome {
    enum class Kind { Exact, MonteCarlo, Cancelled, TooLarge, Failed } kind = Kind::Cancelled;
    Real p = 0, standardError = 0;
    std::int64_t count = 0;
    std::uint64_t seed = 0;
    std::string message;
};

ExactOutcome CountExactly(const CountTable& counts, const std::atomic<bool>& cancel,
                          const std::function<void(double, bool)>& report) {
    ExactOutcome out;
    const TableMargins m = MarginsOf(counts);
    if (counts.size() == 2 && m.columns.size() == 2) {
        if (m.total > kLargestTwoByTwo) return {ExactOutcome::Kind::TooLarge, 0, 0, 0, 0, {}};
        return {ExactOutcome::Kind::Exact, FisherExactTwoByTwo(counts), 0, 0, 0, {}};
    }
    // Reported only when the shown thousandth changes: the count calls back
    // far more often than a progress bar can move.
    int shown = -1;
    const auto reportThousandths = [&](double done, bool sampling) {
        if (int(done * 1000) != shown) report(done, sampling);
        shown = int(done * 1000);
    };
    const auto counting = [&](double done) {
        reportThousandths(done, false);
        return !cancel.load();
    };
    const ExactTableResult exact = FisherExactByEnumeration(counts, kTableBudget, counting);
    if (cancel.load()) return out;
    if (exact.complete) return {ExactOutcome::Kind::Exact, exact.p, 0, exact.tables, 0, {}};
    if (m.total > kLargestMonteCarloTotal) return {ExactOutcome::Kind::TooLarge, 0, 0, 0, 0, {}};
    const std::uint64_t seed = std::random_device{}();
    shown = -1;
    const auto drawing = [&](double done) {
        reportThousandths(done, true);
        return !cancel.load();
    };
    const MonteCarloResult mc = FisherMonteCarlo(counts, kMonteCarloSamples, seed, drawing);
    if (!mc.complete) return out;
    return {ExactOutcome::Kind::MonteCarlo, mc.p, mc.standardError, mc.samples, seed, {}};
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
        ExactOutcome outcome;
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
            outcome = {ExactOutcome::Kind::Failed, 0, 0, 0, 0, e.what()};
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation, outcome] {
                QString line;
                const auto n = [&](Real v) { return QString::fromStdString(FormatNumber(v, format_)); };
                switch (outcome.kind) {
                    case ExactOutcome::Kind::Exact:
                        line = tr("Fisher's exact p = %1").arg(n(outcome.p));
                        if (outcome.count > 0) line += tr(" (%1 tables with these margins)").arg(outcome.count);
                        break;
                    case ExactOutcome::Kind::MonteCarlo:
                        line = tr("Monte Carlo p = %1 \u00b1 %2 (standard error; %3 random tables, seed %4)")
                                   .arg(n(outcome.p), n(outcome.standardError))
                                   .arg(outcome.count)
                                   .arg(outcome.seed);
                        break;
                    case ExactOutcome::Kind::TooLarge:
                        line = tr("Fisher's exact test: too many observations to count or draw; the chi-square's p stands");
                        break;
                    case ExactOutcome::Kind::Failed:
                        line = tr("Fisher's exact test failed: %1").arg(QString::fromStdString(outcome.message));
                        break;
                    case ExactOutcome::Kind::Cancelled: line = tr("Fisher's exact test cancelled"); break;
                }
                ExactFinished(generation, line);
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

void TableWindow::ExactFinished(int generation, const QString& line) {
    if (generation != generation_) return;
    if (worker_) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    exactLine_ = line;
    exactLabel->setText(line);
    exactProgress->hide();
    cancelButton->hide();
}

}  // namespace tarvik
