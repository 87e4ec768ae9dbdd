// A Qt plugin for the launch test (tests/package/launch-twice): loaded into the unchanged program with
//   QT_PLUGIN_PATH=<folder of generic/> QT_QPA_GENERIC_PLUGINS=tovalinqueuereport:N
// it waits until the window's queue holds N jobs, and a moment longer in case more arrive, then quits:
// with status 0 when exactly one window is open and its queue holds exactly N jobs, each for another
// file, 1 otherwise (also when they have not all come within a minute). The files queued go to
// standard error.
#include "queue/JobListModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <optional>

namespace {

class QueueReporter : public QObject
{
public:
    explicit QueueReporter(int expected)
        : m_expected(expected)
        , m_deadline(std::chrono::minutes(1))
    {
        connect(&m_tick, &QTimer::timeout, this, &QueueReporter::step);
        m_tick.start(50);
    }

private:
    QAbstractItemView* jobsList() const
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* list = top->findChild<QAbstractItemView*>(QStringLiteral("jobsList"))) {
                return list;
            }
        }
        return nullptr;
    }

    void step()
    {
        QAbstractItemView* list = jobsList();
        const int rows = list != nullptr && list->model() != nullptr ? list->model()->rowCount() : 0;
        if (rows < m_expected && !m_deadline.hasExpired()) {
            return;
        }
        // All there: a little longer, for any that would come twice or too many.
        if (!m_settling) {
            m_settling = QDeadlineTimer(500);
        }
        if (!m_settling->hasExpired() && !m_deadline.hasExpired()) {
            return;
        }
        m_tick.stop();
        int windows = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            windows += qobject_cast<QMainWindow*>(top) != nullptr && top->isVisible() ? 1 : 0;
        }
        QSet<QString> files;
        for (int row = 0; row < rows; ++row) {
            const QString file = list->model()->index(row, 0).data(JobListModel::UrlRole).toUrl().toLocalFile();
            files.insert(file);
            std::fprintf(stderr, "queued: %s\n", qPrintable(file));
        }
        std::fprintf(stderr, "queue: %d jobs for %d files in %d windows, %d expected\n", rows, int(files.size()),
                     windows, m_expected);
        const bool right = windows == 1 && rows == m_expected && files.size() == rows;
        QCoreApplication::exit(right ? 0 : 1);
    }

    int m_expected;
    QDeadlineTimer m_deadline;
    std::optional<QDeadlineTimer> m_settling;
    QTimer m_tick;
};

} // namespace

class QueueReporterPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "QueueReporter.json")

public:
    QObject* create(const QString& name, const QString& argument) override
    {
        if (name.compare(QLatin1String("tovalinqueuereport"), Qt::CaseInsensitive) != 0) {
            return nullptr;
        }
        return new QueueReporter(argument.toInt());
    }
};

#include "QueueReporter.moc"
