// The window driven offscreen through its real widgets: every control is found by its objectName,
// clicked or typed into, and checked against the view model and against what it shows. Runs use a
// stand-in optimizer whose calls end only when the test says so.

#include "i18n/Translations.h"
#include "model/Version.h"
#include "queue/AppViewModel.h"
#include "queue/JobListModel.h"
#include "queue/SizeText.h"
#include "queue/TimeLeft.h"
#include "tests/support/ScriptedOptimizer.h"
#include "tests/support/TempTree.h"
#include "ui/AboutDialog.h"
#include "ui/AppIcon.h"
#include "ui/ContentView.h"
#include "ui/DesktopNotifier.h"
#include "ui/FilledButton.h"
#include "ui/FolderPicker.h"
#include "ui/GrayButtonStyle.h"
#include "ui/Icons.h"
#include "ui/ItemPicker.h"
#include "ui/ItemPickerDialog.h"
#include "ui/JobListView.h"
#include "ui/JobRowDelegate.h"
#include "ui/MainWindow.h"
#include "ui/RedButtonStyle.h"
#include "ui/RunNotifier.h"
#include "ui/RunProgress.h"
#include "ui/SegmentedControl.h"
#include "ui/Spinner.h"
#include "ui/Theme.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHash>
#include <QHelpEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMap>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

// Takes what the window would show on the desktop.
struct RecordingSender : NotificationSender
{
    explicit RecordingSender(QStringList* sent)
        : sent(sent)
    {
    }
    void send(const QString& summary, const QString& body) override { sent->append(summary + " / " + body); }
    QStringList* sent;
};

// The contrast of what is painted in `region` against the region's background, its most frequent color:
// the pixel that stands out most is the core of a letter, drawn in the text's own color.
double paintedContrast(const QImage& image, const QRect& region)
{
    QHash<QRgb, int> counts;
    const QRect area = region.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const auto background = std::max_element(counts.cbegin(), counts.cend(), [](int a, int b) { return a < b; });
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        best = std::max(best, Theme::contrastRatio(QColor(it.key()), QColor(background.key())));
    }
    return best;
}

} // namespace

// A notification service that takes every notification and keeps what it was told.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QString received;

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        Q_UNUSED(replacesId);
        Q_UNUSED(actions);
        Q_UNUSED(timeout);
        received = QStringList{appName, appIcon, summary, body, hints.value("desktop-entry").toString()}.join('|');
        return 7;
    }
};

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempTree> m_tree;
    std::unique_ptr<ScriptedOptimizer> m_service;
    std::unique_ptr<AppViewModel> m_model;
    std::unique_ptr<MainWindow> m_window;
    QList<QUrl> m_openedUrls;

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* widget = m_window->findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no widget named %s", qPrintable(name));
        }
        return widget;
    }
    bool shown(const char* name) const { return find(name)->isVisible(); }
    bool enabled(const char* name) const { return find(name)->isEnabled(); }
    QString text(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const QString& name) const { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    void type(const char* name, const QString& text) const { QTest::keyClicks(find(name), text); }
    const ImageJob& job(int row) const { return m_model->jobs().at(row); }

    // Queues one job per letter, in the state it names: q(ueued), r(unning), s(ucceeded), f(ailed).
    void queue(const QString& states)
    {
        const int first = int(m_model->jobs().size());
        for (int i = 0; i < states.size(); ++i) {
            m_model->addFiles({m_tree->fileUrl(QStringLiteral("image-%1.png").arg(first + i))});
            setStatus(first + i, allJobStatuses.at(QStringLiteral("qrsf").indexOf(states.at(i))));
        }
    }
    void setStatus(int row, JobStatus status, const QList<DownloadedFile>& downloads = {})
    {
        m_model->jobModel()->update(job(row).id, [&](ImageJob& job) {
            job.status = status;
            job.downloads = downloads;
        });
    }
    void clickSegment(const char* picker, int id)
    {
        QTest::mouseClick(find<SegmentedControl>(picker)->segment(id), Qt::LeftButton);
    }
    QRect rowRect(int row) const
    {
        auto* list = find<JobListView>("jobsList");
        return list->visualRect(list->model()->index(row, 0));
    }
    QRect removeRect(int row) const
    {
        return find<JobListView>("jobsList")->rowDelegate()->removeButtonRect(rowRect(row));
    }
    void clickRemove(int row)
    {
        QTest::mouseClick(find<JobListView>("jobsList")->viewport(), Qt::LeftButton, {}, removeRect(row).center());
    }
    // The choices a picker offers, in the order shown: a combo box's entries, or segments left to right.
    QString choices(const char* picker) const
    {
        QStringList texts;
        if (auto* combo = qobject_cast<QComboBox*>(find(picker))) {
            for (int i = 0; i < combo->count(); ++i) {
                texts.append(combo->itemText(i));
            }
            return texts.join(QLatin1Char('|'));
        }
        QList<QAbstractButton*> segments = find<SegmentedControl>(picker)->segments();
        std::sort(segments.begin(), segments.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        for (const QAbstractButton* segment : segments) {
            texts.append(segment->text());
        }
        return texts.join(QLatin1Char('|'));
    }

    // A drag over `target`, as the platform delivers it to the window: whether the window took it,
    // and with which action.
    Qt::DropAction drag(QWidget* target, const QList<QUrl>& urls,
                        Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
    {
        QMimeData mime;
        mime.setUrls(urls);
        // File managers send the paths as text too, which a text field would otherwise take.
        mime.setText(QStringLiteral("dropped text"));
        const QPoint at = target->mapTo(m_window.get(), target->rect().center());
        QWindow* window = m_window->windowHandle();
        QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(window, &enter);
        QDragMoveEvent move(at, offered, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(window, &move);
        if (!enter.isAccepted() || !move.isAccepted()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(window, &leave);
            return Qt::IgnoreAction;
        }
        [&] { QVERIFY(find<JobListView>("jobsList")->dropHighlighted()); }();
        QDropEvent drop(at, offered, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(window, &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }

public Q_SLOTS:
    // Stands in for the desktop's browser.
    void openUrl(const QUrl& url) { m_openedUrls.append(url); }

private Q_SLOTS:
    void init()
    {
        m_openedUrls.clear();
        m_tree = std::make_unique<TempTree>();
        QVERIFY(m_tree->isValid());
        m_service = std::make_unique<ScriptedOptimizer>();
        m_model = std::make_unique<AppViewModel>(
            std::make_shared<SettingsStore>(m_tree->path(QStringLiteral("settings.ini"))), m_service->optimizer());
        // The service's road, with its key field; the engine on this computer has a test of its own.
        m_model->setEngine(Engine::service);
        m_window = std::make_unique<MainWindow>(m_model.get());
        m_window->resize(1100, 720);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        if (m_model->isProcessing()) {
            m_model->stopAll();
        }
        QTRY_COMPARE(m_service->pending(), 0);
        m_window.reset();
        m_model.reset();
        m_service.reset();
        m_tree.reset();
    }

    void shellAndDefaultSettings()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tovalin Image Optimizer"));
        // At its smallest the window is as designed, unless the sidebar's controls need more room: they
        // are never squeezed, not even once the resize fields show.
        for (const ResizeMode mode : {ResizeMode::none, ResizeMode::cover}) {
            m_model->setResizeMode(mode);
            m_window->resize(400, 300);
            QTRY_COMPARE(m_window->width(), 980);
            QVERIFY(m_window->height() >= 620);
            QTRY_VERIFY(find("sidebar")->height() >= find("sidebar")->minimumSizeHint().height());
        }
        m_model->setResizeMode(ResizeMode::none);
        const int paneWidth = find("queuePane")->width();
        m_window->resize(1400, 800);
        QTRY_COMPARE(find("queuePane")->width(), paneWidth + 420);
        QCOMPARE(find("sidebar")->width(), 320);
        // The window background fills the padding around the sidebar's column too.
        QVERIFY(find("sidebarPanel")->autoFillBackground());
        QCOMPARE(find("sidebarPanel")->width(), 320 + 2 * Theme::standardPadding);
        QCOMPARE(find("optimizeButton")->width(), 320);
        QCOMPARE(find("addButton")->width(), 320);

        QCOMPARE(find<QLineEdit>("apiKeyField")->echoMode(), QLineEdit::Password);
        QCOMPARE(find<QLineEdit>("apiKeyField")->placeholderText(), QStringLiteral("Your 20-character API key"));
        QCOMPARE(choices("compressionPicker"), QStringLiteral("Lossy|Glossy|Lossless"));
        QCOMPARE(find<SegmentedControl>("compressionPicker")->currentId(), rawValue(Compression::lossy));
        QCOMPARE(choices("resizePicker"), QStringLiteral("No resize|Cover|Contain"));
        QCOMPARE(find<SegmentedControl>("resizePicker")->currentId(), rawValue(ResizeMode::none));
        QVERIFY(!shown("resizeFields"));
        QCOMPARE(choices("upscalePicker"), QStringLiteral("No upscale|2x|3x|4x"));
    }

    // Optimize, the count line, the clear buttons, Stop and the indicator, before and after Optimize.
    void controlsFollowKeyAndQueue_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("jobs");
        QTest::addColumn<bool>("canOptimize");
        QTest::addColumn<QString>("countLine"); // empty when hidden
        QTest::addColumn<bool>("canClearFinished");
        const QString key = QStringLiteral("abc");
        const QString two = QStringLiteral("2 image(s) left to optimize");
        QTest::newRow("empty queue") << key << "" << false << "" << false;
        QTest::newRow("no key") << QString() << "q" << false << "" << false;
        QTest::newRow("spaces only") << QStringLiteral("   ") << "qq" << false << two << false;
        QTest::newRow("key and a job") << key << "q" << true << "" << false;
        QTest::newRow("key with spaces around") << QStringLiteral("  abc ") << "q" << true << "" << false;
        QTest::newRow("only finished jobs") << key << "ss" << true << "0 image(s) left to optimize" << true;
        QTest::newRow("failed is not finished") << key << "fq" << true << two << false;
        QTest::newRow("running is not finished") << key << "rq" << true << two << false;
        QTest::newRow("one of each") << key << "sfq" << true << two << true;
    }

    void controlsFollowKeyAndQueue()
    {
        QFETCH(QString, key);
        QFETCH(QString, jobs);
        QFETCH(bool, canOptimize);
        QFETCH(QString, countLine);
        QFETCH(bool, canClearFinished);
        type("apiKeyField", key);
        QCOMPARE(m_model->apiKey(), key);
        queue(jobs);
        QCOMPARE(enabled("optimizeButton"), canOptimize);
        QCOMPARE(shown("remainingLabel"), !countLine.isEmpty());
        QCOMPARE(countLine.isEmpty() ? QString() : text("remainingLabel"), countLine);
        QCOMPARE(enabled("clearFinishedButton"), canClearFinished);
        QCOMPARE(enabled("clearQueueButton"), !jobs.isEmpty());

        // A disabled Optimize starts nothing; an enabled one gives its place to Stop and shows the indicator.
        click("optimizeButton");
        QCOMPARE(m_model->isProcessing(), canOptimize);
        QCOMPARE(shown("optimizeButton"), !canOptimize);
        QCOMPARE(shown("stopButton"), canOptimize);
        QCOMPARE(shown("spinner"), canOptimize);
        // Without a status message, the header says what to do next.
        const QString next = jobs.isEmpty()            ? QStringLiteral("Add files to begin.")
                             : key.trimmed().isEmpty() ? QStringLiteral("Enter your API key to begin.")
                                                       : QStringLiteral("Press Optimize to begin.");
        QCOMPARE(text("statusLabel"), canOptimize ? QStringLiteral("Optimizing %1 image(s)…").arg(jobs.size()) : next);
    }

    void runStopAndTheClearButtons()
    {
        type("apiKeyField", QStringLiteral("key"));
        queue(QStringLiteral("qqq"));
        click("optimizeButton");
        QTRY_COMPARE(m_service->pending(), 1);
        QVERIFY(find<Spinner>("spinner")->isSpinning());
        // Nothing but Optimize gives way during a run.
        for (const char* name : {"stopButton", "addButton", "apiKeyField", "compressionPicker", "upscalePicker"}) {
            QVERIFY2(enabled(name), name);
        }

        // The running row's remove button does nothing; a queued row's removes its job.
        clickRemove(0);
        QCOMPARE(m_model->jobs().size(), 3);
        clickRemove(2);
        QCOMPARE(m_model->jobs().size(), 2);
        // Clear queue keeps the running job; what is added afterwards is not taken by this run.
        click("clearQueueButton");
        QCOMPARE(find<JobListView>("jobsList")->model()->rowCount(), 1);
        queue(QStringLiteral("q"));

        click("stopButton");
        QVERIFY(!m_model->isProcessing());
        QVERIFY(shown("optimizeButton"));
        QVERIFY(!shown("stopButton"));
        QVERIFY(!shown("spinner"));
        QVERIFY(!find<Spinner>("spinner")->isSpinning());
        QCOMPARE(text("statusLabel"), QStringLiteral("Stopped by user."));
        QTRY_COMPARE(text("statusLabel"), QStringLiteral("Done."));
        QCOMPARE(job(0).status, JobStatus::stopped);
        QCOMPARE(job(0).message, QStringLiteral("Stopped."));
        QCOMPARE(job(1).status, JobStatus::queued);
        QCOMPARE(m_service->calls.size(), 1);

        // Clear finished leaves the stopped and the queued job; Clear queue the rest.
        queue(QStringLiteral("s"));
        click("clearFinishedButton");
        QCOMPARE(m_model->jobs().size(), 2);
        QCOMPARE(job(0).status, JobStatus::stopped);
        QVERIFY(!enabled("clearFinishedButton"));
        QCOMPARE(text("remainingLabel"), QStringLiteral("2 image(s) left to optimize"));
        clickRemove(0);
        QVERIFY(!shown("remainingLabel"));
        click("clearQueueButton");
        QVERIFY(m_model->jobs().isEmpty());
        QVERIFY(!enabled("clearQueueButton"));
    }

    // The footer's bar counts the run's images as they end, the time left once three are done at the pace
    // so far; it goes with the run.
    void runProgressAtAGlance()
    {
        std::chrono::milliseconds now{1'000'000};
        RunProgress progress(m_model.get(), nullptr, [&now] { return now; });
        type("apiKeyField", QStringLiteral("key"));
        queue(QStringLiteral("qqqqqq"));
        QVERIFY(!shown("runProgress"));
        m_model->setImagesAtOnce(2);
        click("optimizeButton");
        QVERIFY(shown("runProgress"));
        QTRY_COMPARE(progress.text(), QStringLiteral("0 of 6"));
        auto* bar = progress.findChild<QProgressBar*>();
        QCOMPARE(bar->maximum(), 6);
        for (int i = 0; i < 3; ++i) {
            QTRY_VERIFY(m_service->calls.size() > i);
            now += std::chrono::seconds(10);
            m_service->call(i)->succeed();
        }
        // Ten seconds an image: three more take thirty.
        QCOMPARE(bar->value(), 3);
        QCOMPARE(progress.text(), QStringLiteral("3 of 6 · About 30 s left"));
        QCOMPARE(find<RunProgress>("runProgress")->text().left(6), QStringLiteral("3 of 6"));
        // The estimate counts down between images.
        now += std::chrono::seconds(12);
        QTRY_COMPARE(progress.text(), QStringLiteral("3 of 6 · About 20 s left"));
        // A job taken off the queue before its turn counts as passed over.
        QCOMPARE(job(5).status, JobStatus::queued);
        m_model->removeJob(job(5).id);
        QTRY_VERIFY(m_service->calls.size() == 5);
        m_service->call(3)->succeed();
        QTRY_COMPARE(bar->value(), 5);
        // 42 seconds for five.
        QCOMPARE(progress.text(), QStringLiteral("5 of 6 · About 10 s left"));
        now += std::chrono::seconds(8);
        QTRY_COMPARE(progress.text(), QStringLiteral("5 of 6 · Almost done"));
        m_service->call(4)->succeed();
        QTRY_VERIFY(!m_model->isProcessing());
        QVERIFY(!shown("runProgress"));
        QCOMPARE(TimeLeft::text(3 * 60 + 20), QStringLiteral("About 3 min left"));
        QCOMPARE(TimeLeft::text(3 * 3600), QStringLiteral("About 3 h left"));
    }

    // At its smallest, the window stays as the user left it while runs start and end, with the resize
    // fields shown or not; Ctrl+W closes it and Ctrl+Q closes every window of the program.
    void windowKeepsItsSizeAndTakesTheDesktopKeys()
    {
        type("apiKeyField", QStringLiteral("key"));
        queue(QStringLiteral("qqqq"));
        for (const ResizeMode mode : {ResizeMode::none, ResizeMode::cover}) {
            m_model->setResizeMode(mode);
            m_model->setResizeWidth(QStringLiteral("800"));
            m_window->resize(400, 300);
            QTRY_COMPARE(m_window->width(), 980);
            const QSize smallest = m_window->size();
            click("optimizeButton");
            for (int settled = 0; m_model->isProcessing(); ++settled) {
                QTRY_VERIFY(m_service->pending() == 1 || !m_model->isProcessing());
                if (m_service->pending() == 1) {
                    m_service->calls.constLast()->settle({DownloadedFile(
                        OutputKind::optimized, m_tree->fileUrl(QStringLiteral("o%1.png").arg(settled)), 10)});
                }
            }
            QApplication::processEvents();
            QCOMPARE(m_window->size(), smallest);
        }

        QWidget other;
        other.show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
        QVERIFY(other.isVisible());
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
        QVERIFY(!other.isVisible());
    }

    // Cover without a size: Optimize sends nothing, marks the fields and says why, until they are mended.
    void resizeWithoutASizeIsRefusedAtTheFields()
    {
        type("apiKeyField", QStringLiteral("key"));
        queue(QStringLiteral("q"));
        clickSegment("resizePicker", rawValue(ResizeMode::cover));
        QVERIFY(!shown("resizeMessage"));
        click("optimizeButton");
        QVERIFY(!m_model->isProcessing());
        QVERIFY(shown("resizeMessage"));
        QCOMPARE(text("resizeMessage"), QStringLiteral("Cover needs a width, a height or both."));
        auto* width = find<QLineEdit>("resizeWidthField");
        auto* height = find<QLineEdit>("resizeHeightField");
        QVERIFY(width->property("invalid").toBool() && height->property("invalid").toBool());
        QCOMPARE(width->accessibleDescription(), text("resizeMessage"));
        QCOMPARE(QApplication::focusWidget(), width);
        // A wrong height keeps the height marked alone; a mended one lets the run go.
        type("resizeHeightField", QStringLiteral("0"));
        QVERIFY(!width->property("invalid").toBool());
        QVERIFY(height->property("invalid").toBool());
        QCOMPARE(text("resizeMessage"), QStringLiteral("The height must be a whole number of pixels, 1 or more."));
        height->clear();
        type("resizeHeightField", QStringLiteral("600"));
        QVERIFY(!shown("resizeMessage"));
        QVERIFY(!height->property("invalid").toBool());
        click("optimizeButton");
        QTRY_COMPARE(m_service->pending(), 1);
        QCOMPARE(m_service->call(0)->options.resizeHeight, std::optional<qint64>(600));
    }

    void eyeButtonSwitchesMaskedAndPlainField()
    {
        const QString key = QStringLiteral("abcdefghij0123456789");
        type("apiKeyField", key);
        auto* field = find<QLineEdit>("apiKeyField");
        auto* eye = find<QToolButton>("apiKeyVisibilityButton");
        const auto expect = [&](bool masked, const QString& text) {
            QCOMPARE(m_window->contentView()->apiKeyPreview(), !masked);
            QCOMPARE(field->echoMode(), masked ? QLineEdit::Password : QLineEdit::Normal);
            QCOMPARE(field->text(), text);
            QCOMPARE(eye->toolTip(), masked ? QStringLiteral("Show key") : QStringLiteral("Hide key"));
            QCOMPARE(eye->accessibleName(), eye->toolTip());
            QCOMPARE(eye->property("symbol").toString(), masked ? QStringLiteral("eye") : QStringLiteral("eye.slash"));
        };
        expect(true, key);
        QTest::mouseClick(eye, Qt::LeftButton);
        expect(false, key);
        // Typing in the plain field edits the same key.
        type("apiKeyField", QStringLiteral("X"));
        QCOMPARE(m_model->apiKey(), key + QLatin1Char('X'));

        // Another window on the same view model keeps its own preview but shows the one key and queue.
        MainWindow second(m_model.get());
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        auto* otherField = second.findChild<QLineEdit*>(QStringLiteral("apiKeyField"));
        QCOMPARE(otherField->echoMode(), QLineEdit::Password);
        QTest::keyClicks(otherField, QStringLiteral("2"));
        queue(QStringLiteral("q"));
        QCOMPARE(second.findChild<JobListView*>(QStringLiteral("jobsList"))->model()->rowCount(), 1);
        QTest::mouseClick(eye, Qt::LeftButton);
        expect(true, key + QStringLiteral("X2"));
    }

    // Each control writes its setting, and shows what the view model holds without echoing it back.
    void controlsBindBothWays()
    {
        auto* field = find<QLineEdit>("apiKeyField");
        type("apiKeyField", QStringLiteral(" key "));
        clickSegment("compressionPicker", rawValue(Compression::glossy));
        for (const char* box : {"convertToWebPCheckBox", "convertToAVIFCheckBox", "cmykToRgbCheckBox",
                                "removeBackgroundCheckBox", "keepExifCheckBox"}) {
            click(QLatin1String(box));
        }
        clickSegment("resizePicker", rawValue(ResizeMode::contain));
        QVERIFY(shown("resizeFields"));
        auto* width = find<QLineEdit>("resizeWidthField");
        auto* height = find<QLineEdit>("resizeHeightField");
        QCOMPARE(QSize(width->width(), height->width()), QSize(80, 80));
        QVERIFY(width->x() < height->x());
        QCOMPARE(width->placeholderText() + height->placeholderText(), QStringLiteral("WidthHeight"));
        type("resizeWidthField", QStringLiteral(" 1200 "));
        type("resizeHeightField", QStringLiteral("9x"));
        find("upscalePicker")->setFocus();
        QTest::keyClick(find("upscalePicker"), Qt::Key_Down);
        QTest::keyClick(find("upscalePicker"), Qt::Key_Down);
        const TovalinOptions o = m_model->currentOptions();
        QCOMPARE(QStringLiteral("%1 level=%2 %3%4%5%6%7 resize=%8 %9x%10 up=%11")
                     .arg(o.apiKey)
                     .arg(rawValue(o.compression))
                     .arg(o.convertToWebP)
                     .arg(o.convertToAVIF)
                     .arg(o.cmykToRgb)
                     .arg(o.removeBackground)
                     .arg(o.keepExif)
                     .arg(rawValue(o.resizeMode))
                     .arg(o.resizeWidth.value_or(0))
                     .arg(o.resizeHeight.value_or(0))
                     .arg(rawValue(o.upscale)),
                 QStringLiteral("key level=2 01011 resize=3 1200x0 up=3"));
        // Without resizing the fields hide, and keep what they hold for when they come back.
        clickSegment("resizePicker", rawValue(ResizeMode::none));
        QVERIFY(!shown("resizeFields"));
        clickSegment("resizePicker", rawValue(ResizeMode::cover));
        QVERIFY(shown("resizeFields"));
        QCOMPARE(width->text() + QLatin1Char('x') + height->text(), QStringLiteral(" 1200 x9x"));
        // The key is persisted at once, as typed.
        QCOMPARE(SettingsStore(m_tree->path(QStringLiteral("settings.ini"))).apiKey(), QStringLiteral(" key "));

        // Writing back the same key leaves the field alone; a keystroke is one change.
        QSignalSpy edits(field, &QLineEdit::textChanged);
        field->setCursorPosition(2);
        m_model->setApiKey(QStringLiteral(" key "));
        QCOMPARE(field->cursorPosition(), 2);
        QCOMPARE(edits.size(), 0);
        QSignalSpy keyChanges(m_model.get(), &AppViewModel::apiKeyChanged);
        QTest::keyClick(field, Qt::Key_Z);
        QCOMPARE(keyChanges.size(), 1);

        m_model->setConvertToWebP(true);
        QVERIFY(find<QCheckBox>("convertToWebPCheckBox")->isChecked());
        m_model->setCompression(Compression::lossless);
        QVERIFY(find<SegmentedControl>("compressionPicker")->segment(rawValue(Compression::lossless))->isChecked());
        m_model->setUpscale(UpscaleFactor::x4);
        QCOMPARE(find<QComboBox>("upscalePicker")->currentText(), QStringLiteral("4x"));
        m_model->setResizeWidth(QStringLiteral("640"));
        QCOMPARE(width->text(), QStringLiteral("640"));

        // Images at once: 1 to 8, one at a time by default, remembered like the key.
        auto* atOnce = find<QSpinBox>("imagesAtOnceSpinBox");
        QCOMPARE(atOnce->value(), 1);
        atOnce->setFocus();
        QTest::keyClick(atOnce, Qt::Key_Up);
        QCOMPARE(m_model->imagesAtOnce(), 2);
        QCOMPARE(SettingsStore(m_tree->path(QStringLiteral("settings.ini"))).imagesAtOnce(), 2);
        m_model->setImagesAtOnce(12);
        QCOMPARE(atOnce->value(), 8);

        // Results beside the originals until a folder is chosen; a cancelled choice changes nothing.
        auto* place = find<QComboBox>("resultsPlacePicker");
        auto* folderLabel = find<QLabel>("resultsFolderLabel");
        QCOMPARE(place->currentText(), QStringLiteral("Beside the originals"));
        QVERIFY(!folderLabel->isVisibleTo(m_window.get()));
        FolderPicker::instance()->setNextResult(std::nullopt);
        place->activated(1);
        QCOMPARE(place->currentIndex(), 0);
        const QString results = m_tree->makeFolder(QStringLiteral("results"));
        FolderPicker::instance()->setNextResult(results);
        place->setCurrentIndex(1);
        place->activated(1);
        QCOMPARE(m_model->currentOutputOptions().folder, results);
        QVERIFY(folderLabel->isVisibleTo(m_window.get()));
        QCOMPARE(folderLabel->toolTip(), results);
        place->setCurrentIndex(0);
        place->activated(0);
        QCOMPARE(m_model->currentOutputOptions().folder, QString());
        QCOMPARE(m_model->resultsFolder(), results);
        auto* dates = find<QCheckBox>("keepFileDatesCheckBox");
        QVERIFY(dates->isChecked());
        dates->click();
        QCOMPARE(SettingsStore(m_tree->path(QStringLiteral("settings.ini")))
                     .remembered(QStringLiteral("results/keepDates"))
                     .toBool(),
                 false);
    }

    void pickingQueuesFoldersAndOfferedImages()
    {
        m_tree->writeFile(QStringLiteral("album/one.jpg"));
        m_tree->writeFile(QStringLiteral("album/raw.cr2"));
        const QString raw = m_tree->writeFile(QStringLiteral("photo.NEF"));
        ItemPicker* picker = ItemPicker::instance();
        const int before = picker->pickCount();
        picker->setNextResult(QList<QUrl>{m_tree->folderUrl(QStringLiteral("album")), QUrl::fromLocalFile(raw)});
        click("addButton");
        // The folder search takes no raw files; a raw file chosen directly is queued.
        QCOMPARE(m_model->jobs().size(), 2);
        QCOMPARE(job(1).url, QUrl::fromLocalFile(raw));
        picker->setNextResult(std::nullopt);
        click("addButton");
        QCOMPARE(picker->pickCount(), before + 2);
        QCOMPARE(m_model->jobs().size(), 2);

        // The dialog opens in the folder where the last one closed, also after a restart.
        m_model->setLastPickFolder(m_tree->path(QStringLiteral("album")));
        QString openedIn;
        QTimer::singleShot(0, this, [&] {
            auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(shown != nullptr);
            openedIn = shown->directory().absolutePath();
            shown->setDirectory(m_tree->root());
            shown->reject();
        });
        click("addButton");
        QCOMPARE(openedIn, m_tree->path(QStringLiteral("album")));
        QCOMPARE(m_model->jobs().size(), 2);
        const AppViewModel next(std::make_shared<SettingsStore>(m_tree->path(QStringLiteral("settings.ini"))), {});
        QCOMPARE(next.lastPickFolder(), m_tree->root());

        ItemPickerDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose images or folders to optimize"));
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
        QVERIFY(dialog.nameFilters().first().contains(QStringLiteral("*.nef")));
        QVERIFY(dialog.nameFilters().first().contains(QStringLiteral("*.heif")));
        dialog.setDirectory(m_tree->root());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // A folder and a file chosen together, as the line edit holds a multiple selection.
        auto* names = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(names != nullptr);
        names->setText(QStringLiteral("\"album\" \"photo.NEF\""));
        QMetaObject::invokeMethod(&dialog, "accept");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenItems(),
                 (QList<QUrl>{m_tree->folderUrl(QStringLiteral("album")), QUrl::fromLocalFile(raw)}));
    }

    // Through the open dialog's intake: folders searched (hidden entries left out) whatever their name,
    // files taken when offered and still there, nothing twice.
    void dropsGoThroughTheIntake()
    {
        m_tree->writeFile(QStringLiteral("album/one.jpg"));
        m_tree->writeFile(QStringLiteral("album/.hidden.jpg"));
        m_tree->writeFile(QStringLiteral("album/.cache/two.png"));
        m_tree->writeFile(QStringLiteral("folder.png/three.gif"));
        const QUrl raw = QUrl::fromLocalFile(m_tree->writeFile(QStringLiteral("photo.NEF")));
        const QUrl text = QUrl::fromLocalFile(m_tree->writeFile(QStringLiteral("notes.txt")));
        const QList<QUrl> dropped{QUrl::fromLocalFile(m_tree->path(QStringLiteral("album"))), raw, text,
                                  QUrl::fromLocalFile(m_tree->path(QStringLiteral("folder.png"))),
                                  m_tree->fileUrl(QStringLiteral("gone.png"))};
        auto* list = find<JobListView>("jobsList");
        QVERIFY(list->isShowingEmptyHint());
        QCOMPARE(drag(list, dropped), Qt::CopyAction);
        QStringList queued;
        for (const ImageJob& j : m_model->jobs()) {
            queued << QDir(m_tree->root()).relativeFilePath(j.url.toLocalFile());
        }
        QCOMPARE(queued, (QStringList{"album/one.jpg", "photo.NEF", "folder.png/three.gif"}));
        QVERIFY(!list->isShowingEmptyHint() && !list->dropHighlighted());
        // Anywhere on the window, a text field included, which types nothing.
        for (const char* target : {"apiKeyField", "sidebar", "header", "optimizeButton"}) {
            QCOMPARE(drag(find(target), dropped), Qt::CopyAction);
        }
        QCOMPARE(m_model->jobs().size(), 3);
        QVERIFY(find<QLineEdit>("apiKeyField")->text().isEmpty());
        // Nothing to queue, or the sources could only be moved: refused.
        QCOMPARE(drag(list, {text, QUrl(QStringLiteral("https://example.org/a.jpg"))}), Qt::IgnoreAction);
        QCOMPARE(drag(list, {raw}, Qt::MoveAction), Qt::IgnoreAction);
        QCOMPARE(drag(list, {raw}, Qt::LinkAction), Qt::LinkAction);
        QVERIFY(!list->dropHighlighted());
    }

    // Every link and help button opens its own page of the service's site; About opens once, from the
    // link row, with links of its own.
    void linksOpenTheirPages()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        const QStringList links =
            QStringLiteral("signUpLink compressionHelpButton resizeHelpButton cmykToRgbHelpButton "
                           "removeBackgroundHelpButton keepExifHelpButton upscaleHelpButton contactLink aboutLink")
                .split(QLatin1Char(' '));
        for (const QString& name : links) {
            click(name);
        }
        click(QStringLiteral("aboutLink"));
        const QList<AboutDialog*> dialogs = m_window->findChildren<AboutDialog*>();
        QCOMPARE(dialogs.size(), 1);
        AboutDialog* about = dialogs.first();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tovalin Image Optimizer"));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("aboutVersion"))->text(),
                 QStringLiteral("Version ") + QLatin1String(Version::text));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("aboutIcon"))->pixmap().isNull());
        for (const char* name : {"aboutHomeLink", "aboutSignUpLink", "aboutContactLink"}) {
            QTest::mouseClick(about->findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(m_openedUrls.size(), 11);
        for (const QUrl& url : std::as_const(m_openedUrls)) {
            QCOMPARE(url.scheme() + QLatin1Char(':') + url.host(), QStringLiteral("https:tovalin.io"));
        }
        QCOMPARE(QSet<QUrl>(m_openedUrls.begin(), m_openedUrls.begin() + 8).size(), 8);
        QCOMPARE(m_openedUrls.mid(8), (QList<QUrl>{QUrl(QStringLiteral("https://tovalin.io/")),
                                                   QUrl(QStringLiteral("https://tovalin.io/signup/free")),
                                                   QUrl(QStringLiteral("https://tovalin.io/contact"))}));
        QPointer<AboutDialog> closing(about);
        about->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
        QTRY_VERIFY(closing.isNull());

        QCOMPARE(find<QAbstractButton>("signUpLink")->text(), QStringLiteral("(Get an API Key)"));
        QCOMPARE(find<QAbstractButton>("contactLink")->text(),
                 QStringLiteral("Contact us with any issues, bug reports, or questions."));
        QCOMPARE(find("compressionHelpButton")->toolTip(), QStringLiteral("Learn about Lossy, Glossy, and Lossless"));
        QCOMPARE(find("resizeHelpButton")->toolTip(), QStringLiteral("Learn how Tovalin resizes images automatically"));
        // Icon-only buttons are named for assistive tools: by their tooltip, which only the first two have.
        for (const QString& name : links.mid(1, 6)) {
            QVERIFY2(!find(name)->accessibleName().isEmpty(), qPrintable(name));
            QCOMPARE(find(name)->toolTip(), links.indexOf(name) <= 2 ? find(name)->accessibleName() : QString());
        }
    }

    // The window's icon is the theme's picture under the application id when a theme has one, the
    // bundled SVG otherwise.
    void windowIconFromThemeElseBundled_data()
    {
        QTest::addColumn<bool>("themeHasIcon");
        QTest::newRow("installed") << true;
        QTest::newRow("build folder") << false;
    }

    void windowIconFromThemeElseBundled()
    {
        QFETCH(bool, themeHasIcon);
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString themeName = QIcon::themeName();
        m_tree->writeFile(QStringLiteral("icons/hicolor/index.theme"),
                          "[Icon Theme]\nName=Hicolor\nDirectories=32x32/apps\n\n[32x32/apps]\nSize=32\nType=Fixed\n");
        QImage themed(32, 32, QImage::Format_ARGB32);
        themed.fill(Qt::green);
        const QString folder = m_tree->makeFolder(QStringLiteral("icons/hicolor/32x32/apps"));
        QVERIFY(!themeHasIcon ||
                themed.save(folder + QLatin1Char('/') + AppIcon::themeName() + QStringLiteral(".png")));
        QIcon::setThemeSearchPaths({m_tree->path(QStringLiteral("icons"))});
        QIcon::setThemeName(QStringLiteral("hicolor"));
        const QImage shown =
            MainWindow(m_model.get()).windowIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
        QIcon::setThemeSearchPaths(searchPaths);
        QIcon::setThemeName(themeName);

        const QImage bundled =
            QIcon(AppIcon::resourcePath()).pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!bundled.isNull());
        QCOMPARE(shown, themeHasIcon ? themed : bundled);
    }

    void everySymbolRendersOffscreen()
    {
        const QColor red(0xE0, 0x2F, 0x25);
        for (const QString& symbol : Icons::symbolNames()) {
            QVERIFY2(Icons::hasBundledIcon(symbol), qPrintable(symbol));
            const QImage image = Icons::pixmap(symbol, 16, red, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(32, 32));
            int covered = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (pixel.alpha() == 255) {
                        ++covered;
                        QCOMPARE(pixel.rgb(), red.rgb());
                    }
                }
            }
            QVERIFY2(covered > 20, qPrintable(symbol));
        }
    }

    // On this computer the key block goes and Optimize needs only images; the service brings both back,
    // and the choice is kept.
    void theEngineOnThisComputerNeedsNoKey()
    {
        QCOMPARE(choices("enginePicker"), QStringLiteral("On this computer|Tovalin service"));
        QVERIFY(shown("apiKeyField"));
        clickSegment("enginePicker", rawValue(Engine::local));
        QCOMPARE(m_model->engine(), Engine::local);
        QVERIFY(!shown("apiKeyField") && !shown("signUpLink"));
        queue(QStringLiteral("q"));
        QVERIFY(enabled("optimizeButton"));
        QCOMPARE(text("statusLabel"), QStringLiteral("Press Optimize to begin."));
        click("optimizeButton");
        QTRY_COMPARE(m_service->calls.size(), 1);
        m_service->call(0)->succeed();
        QTRY_COMPARE(job(0).status, JobStatus::succeeded);
        clickSegment("enginePicker", rawValue(Engine::service));
        QVERIFY(shown("apiKeyField") && !enabled("optimizeButton"));
        QCOMPARE(
            AppViewModel(std::make_shared<SettingsStore>(m_tree->path(QStringLiteral("settings.ini"))), {}).engine(),
            Engine::service);

        // A window opened on this computer starts at adding images, not in the hidden key field.
        m_model->setEngine(Engine::local);
        MainWindow local(m_model.get());
        local.show();
        QVERIFY(QTest::qWaitForWindowExposed(&local));
        QTRY_COMPARE(local.focusWidget(), local.findChild<QWidget*>(QStringLiteral("addButton")));
    }

    void keyboardVisitsEveryControlInReadingOrder()
    {
        // Typing starts in the key field.
        QCOMPARE(QApplication::focusWidget(), find("apiKeyField"));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const auto tabs = [](int count) {
            QStringList visited;
            for (int i = 0; i < count && QApplication::focusWidget() != nullptr; ++i) {
                QWidget* focus = QApplication::focusWidget();
                // A segment is named after its picker.
                visited << (focus->objectName().isEmpty() ? focus->parentWidget()->objectName() : focus->objectName());
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            return visited.join(QLatin1Char(' '));
        };
        type("apiKeyField", QStringLiteral("key"));
        queue(QStringLiteral("qs"));
        clickSegment("resizePicker", rawValue(ResizeMode::cover));
        find("apiKeyField")->setFocus();
        QCOMPARE(tabs(32),
                 QStringLiteral(
                     "apiKeyField apiKeyVisibilityButton compressionHelpButton compressionPicker "
                     "convertToWebPCheckBox convertToAVIFCheckBox resizeHelpButton resizePicker "
                     "resizeWidthField resizeHeightField cmykToRgbCheckBox cmykToRgbHelpButton "
                     "removeBackgroundCheckBox removeBackgroundHelpButton keepExifCheckBox "
                     "keepExifHelpButton upscaleHelpButton upscalePicker imagesAtOnceSpinBox watchAddedFoldersCheckBox "
                     "resultsPlacePicker keepFileDatesCheckBox addButton optimizeButton "
                     "contactLink aboutLink clearFinishedButton clearQueueButton jobsList enginePicker signUpLink "
                     "apiKeyField"));
        // Within a picker, the arrow keys choose.
        QAbstractButton* lossy = find<SegmentedControl>("compressionPicker")->segment(rawValue(Compression::lossy));
        QCOMPARE(lossy->isChecked(), true);
        lossy->setFocus();
        QTest::keyClick(lossy, Qt::Key_Right);
        QCOMPARE(m_model->compression(), Compression::glossy);

        // Space on the list's current row presses that row's remove button.
        auto* list = find<JobListView>("jobsList");
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(m_model->jobs().size(), 1);
        QCOMPARE(job(0).status, JobStatus::succeeded);
    }

    // Every control and every row has a name and a description for assistive tools.
    void assistiveToolsReadControlsAndRows()
    {
        const auto described = [](QWidget* widget) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
            return a == nullptr ? QString() : a->text(QAccessible::Description);
        };
        QCOMPARE(described(find("optimizeButton")), QStringLiteral("Enter an API key and add images first."));
        type("apiKeyField", QStringLiteral("key"));
        queue(QStringLiteral("qs"));
        QCOMPARE(described(find("optimizeButton")),
                 QStringLiteral("Optimizes every image in the queue with the options above."));
        int controls = 0;
        for (QWidget* widget : m_window->findChildren<QWidget*>()) {
            const bool control = (widget->focusPolicy() & Qt::TabFocus) || qobject_cast<SegmentedControl*>(widget) ||
                                 qobject_cast<Spinner*>(widget);
            // Popups of the window's controls are not part of it.
            if (!control || widget->window() != m_window.get()) {
                continue;
            }
            ++controls;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
            const QString what = widget->objectName() + QLatin1Char(' ') + widget->metaObject()->className();
            QVERIFY2(a != nullptr && !a->text(QAccessible::Name).isEmpty(), qPrintable(what));
            QVERIFY2(!a->text(QAccessible::Description).isEmpty(), qPrintable(what));
        }
        QVERIFY(controls >= 30);

        m_model->jobModel()->update(job(1).id, [&](ImageJob& j) {
            j.message = QStringLiteral("Optimized and saved locally.");
            j.downloads = {DownloadedFile(OutputKind::webp, m_tree->fileUrl(QStringLiteral("a.webp")), 2'000)};
        });
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(find("jobsList"));
        QCOMPARE(list->childCount(), 2);
        QStringList rows;
        for (int row = 0; row < list->childCount(); ++row) {
            QCOMPARE(list->child(row)->role(), QAccessible::ListItem);
            rows << list->child(row)->text(QAccessible::Name) + QStringLiteral(" / ") +
                        list->child(row)->text(QAccessible::Description);
        }
        QCOMPARE(rows, (QStringList{QStringLiteral("image-0.png, Queued / Ready to optimize."),
                                    QStringLiteral("image-1.png, Done / Optimized and saved locally. WebP: %1, %2.")
                                        .arg(m_tree->path(QStringLiteral("a.webp")), SizeText::size(2'000))}));
    }

    void rowsShowSavedFilesAndTooltips()
    {
        queue(QStringLiteral("qq"));
        auto* list = find<JobListView>("jobsList");
        JobRowDelegate* delegate = list->rowDelegate();
        QCOMPARE(rowRect(0).height(), delegate->rowHeight(false));
        const QString optimized = m_tree->path(QStringLiteral("image-0-optimized.png"));
        const QString webp = m_tree->path(QStringLiteral("image-0.webp"));
        QVERIFY(!shown("savedLabel"));
        m_model->jobModel()->update(job(0).id, [](ImageJob& job) { job.originalSize = 200'000; });
        setStatus(0, JobStatus::succeeded,
                  {DownloadedFile(OutputKind::optimized, QUrl::fromLocalFile(optimized), 50'000),
                   DownloadedFile(OutputKind::webp, QUrl::fromLocalFile(webp), 40'000)});
        // The row grows to show its saved files, and the row under it moves down.
        QTRY_COMPARE(rowRect(0).height(), delegate->rowHeight(true));
        QVERIFY(delegate->rowHeight(true) > delegate->rowHeight(false));
        QCOMPARE(rowRect(1).top(), rowRect(0).bottom() + 1);

        // Each file with its size, the optimized image with its change; the header sums up.
        const auto items = delegate->downloadItems(rowRect(0), list->model()->index(0, 0));
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0).path + QLatin1Char('|') + items.at(1).path, optimized + QLatin1Char('|') + webp);
        QCOMPARE(items.at(0).detail + QLatin1Char('|') + items.at(1).detail,
                 SizeText::size(50'000) + QStringLiteral("  \u221275 %|") + SizeText::size(40'000));
        QCOMPARE(text("savedLabel"), SizeText::saved(200'000, 50'000));
        QVERIFY(shown("savedLabel"));
        // Only succeeded jobs whose source size is known count.
        const QList<DownloadedFile> other{
            DownloadedFile(OutputKind::optimized, m_tree->fileUrl(QStringLiteral("o.png")), 10)};
        for (const JobStatus status : {JobStatus::failed, JobStatus::succeeded}) {
            m_model->jobModel()->update(job(1).id,
                                        [&](ImageJob& j) { j.originalSize = status == JobStatus::failed ? 100 : -1; });
            setStatus(1, status, other);
            QCOMPARE(text("savedLabel"), SizeText::saved(200'000, 50'000));
        }
        setStatus(1, JobStatus::queued);
        QVERIFY(items.at(0).rect.right() + JobRowDelegate::downloadSpacing < items.at(1).rect.left() + 1);
        const auto toolTipAt = [list](const QPoint& at) {
            QHelpEvent event(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &event);
            const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
            QToolTip::hideText();
            return text;
        };
        QCOMPARE(toolTipAt(items.at(1).rect.center()), webp);
        QCOMPARE(toolTipAt(removeRect(0).center()), QStringLiteral("Remove from queue"));

        // A click beside the button removes nothing; one on it removes its own job.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowRect(0).center());
        QCOMPARE(m_model->jobs().size(), 2);
        clickRemove(0);
        QCOMPARE(m_model->jobs().size(), 1);
        QCOMPARE(job(0).url.fileName(), QStringLiteral("image-1.png"));
    }

    void rowsPaintStatusColorsAndDimRunningRemoveButton()
    {
        queue(QStringLiteral("qrsf"));
        QWidget* viewport = find<JobListView>("jobsList")->viewport();
        QApplication::processEvents();
        const QImage image = viewport->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal ratio = viewport->devicePixelRatioF();
        // The highest score of the pixels in a region.
        const auto strongest = [&](const QRect& r, const auto& score) {
            int best = 0;
            for (int y = qRound(r.top() * ratio); y <= qRound(r.bottom() * ratio); ++y) {
                for (int x = qRound(r.left() * ratio); x <= qRound(r.right() * ratio); ++x) {
                    best = std::max(best, score(image.pixelColor(x, y)));
                }
            }
            return best;
        };
        const QColor base = viewport->palette().color(QPalette::Base);
        const auto contrast = [&](const QColor& c) {
            return std::abs(c.red() - base.red()) + std::abs(c.green() - base.green()) +
                   std::abs(c.blue() - base.blue());
        };
        const int queuedButton = strongest(removeRect(0), contrast);
        const int runningButton = strongest(removeRect(1), contrast);
        QVERIFY(queuedButton > 0);
        // Drawn at 30 % opacity.
        QVERIFY2(std::abs(runningButton - qRound(queuedButton * 0.3)) <= 6,
                 qPrintable(QStringLiteral("%1 vs %2").arg(runningButton).arg(queuedButton)));

        // The status label, on the right half of the row's first line, is drawn in its status's color.
        const auto hasColor = [&](int row, NamedColor color) {
            const QRect r = rowRect(row);
            return strongest(QRect(r.left() + r.width() / 2, r.top(), r.width() / 2 - 40, 34),
                             [&](const QColor& c) { return int(c.rgb() == Theme::color(color).rgb()); }) > 0;
        };
        QVERIFY(hasColor(1, NamedColor::blue));
        QVERIFY(hasColor(2, NamedColor::green));
        QVERIFY(hasColor(3, NamedColor::red));
        QVERIFY(!hasColor(0, NamedColor::red));
        QVERIFY(!hasColor(2, NamedColor::red));
    }

    void largeQueueHasNoWidgetPerRow()
    {
        constexpr int count = 100000;
        QList<QUrl> files;
        files.reserve(count);
        for (int i = 0; i < count; ++i) {
            files.append(QUrl::fromLocalFile(m_tree->path(QStringLiteral("many/%1.jpg").arg(i))));
        }
        m_model->addFiles(files);
        auto* list = find<JobListView>("jobsList");
        const auto widgetsBefore = list->findChildren<QWidget*>().size();
        list->scrollToBottom();
        QApplication::processEvents();
        QTRY_VERIFY(list->viewport()->rect().intersects(rowRect(count - 1)));
        QCOMPARE(list->indexAt(rowRect(count - 1).center()), list->model()->index(count - 1, 0));
        QCOMPARE(list->findChildren<QWidget*>().size(), widgetsBefore);
        QCOMPARE(text("remainingLabel"), QStringLiteral("100000 image(s) left to optimize"));
    }

    void filledButtonsFollowTheirStyle()
    {
        FilledButton red(RedButtonStyle(), QStringLiteral("Optimize"));
        FilledButton gray(GrayButtonStyle(), QStringLiteral("Stop"));
        const auto render = [](FilledButton& button, bool pressed) {
            button.resize(300, button.sizeHint().height());
            button.setDown(pressed);
            QImage image(button.size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            button.render(&image, {}, {}, QWidget::DrawChildren);
            return image;
        };
        // The fill left of the centered label, halfway down.
        const auto fillColor = [&](FilledButton& button, bool pressed) {
            const QImage image = render(button, pressed);
            const QRect fill = FilledButtonStyle::fillRect(image.rect());
            return image.pixelColor(fill.left() + 4, fill.center().y());
        };
        // Within a step of rounding: the image keeps its colors premultiplied.
        const auto near = [](const QColor& a, const QColor& b) {
            return std::abs(a.red() - b.red()) <= 1 && std::abs(a.green() - b.green()) <= 1 &&
                   std::abs(a.blue() - b.blue()) <= 1;
        };
        QVERIFY(near(fillColor(red, false), Theme::fillColor(NamedColor::red)));
        QCOMPARE(fillColor(red, false).alpha(), qRound(0.9 * 255));
        QCOMPARE(fillColor(red, true).alpha(), qRound(0.75 * 255));
        QVERIFY(near(fillColor(gray, false), Theme::fillColor(NamedColor::gray)));
        // The shadow shows just under the fill and fades before the button's edge.
        const QImage image = render(red, false);
        const QRect fill = FilledButtonStyle::fillRect(image.rect());
        QVERIFY(fill.height() >= 34);
        QVERIFY(image.pixelColor(fill.center().x(), fill.bottom() + 1).alpha() > 0);
        QCOMPARE(image.pixelColor(fill.center().x(), red.height() - 1).alpha(), 0);

        // Disabled: faded, flat, and the same whether pressed or not.
        const int faded = qRound(0.9 * 0.4 * 255);
        for (FilledButton* button : {&red, &gray}) {
            button->setEnabled(false);
            QVERIFY(std::abs(fillColor(*button, false).alpha() - faded) <= 1);
            QCOMPARE(render(*button, true), render(*button, false));
            QCOMPARE(render(*button, false).pixelColor(fill.center().x(), fill.bottom() + 1).alpha(), 0);
        }
    }

    // The window speaks the first of the user's languages that it is translated to, and Qt's stock
    // dialogs speak it too where the system has Qt's translations; English otherwise, all of it.
    void windowSpeaksTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("optimize");
        QTest::addColumn<QString>("countLine");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("qtCatalog"); // empty for English
        QTest::newRow("German") << "de_DE"
                                << "Optimieren"
                                << "2 Bilder noch zu optimieren"
                                << "Wartet"
                                << "qtbase_de";
        QTest::newRow("French") << "fr_CH"
                                << "Optimiser"
                                << "2 images restent à optimiser"
                                << "En attente"
                                << "qtbase_fr";
        QTest::newRow("C") << "C"
                           << "Optimize"
                           << "2 image(s) left to optimize"
                           << "Queued"
                           << "";
        QTest::newRow("English") << "en_GB"
                                 << "Optimize"
                                 << "2 image(s) left to optimize"
                                 << "Queued"
                                 << "";
        // Three plural forms: two is a "few" in Polish.
        QTest::newRow("Polish") << "pl_PL"
                                << "Optymalizuj"
                                << "2 obrazy do optymalizacji"
                                << "W kolejce"
                                << "qtbase_pl";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "Otimizar"
                                              << "2 imagens a otimizar"
                                              << "Na fila"
                                              << "qtbase_pt_BR";
        QTest::newRow("Japanese") << "ja_JP"
                                  << "最適化"
                                  << "最適化待ちの画像 2 枚"
                                  << "待機中"
                                  << "qtbase_ja";
        QTest::newRow("Simplified Chinese") << "zh_CN"
                                            << "优化"
                                            << "还有 2 张图片待优化"
                                            << "排队中"
                                            << "qtbase_zh_CN";
        // Traditional Chinese is not Simplified Chinese, nor European Portuguese Brazilian.
        QTest::newRow("not translated") << "zh_TW"
                                        << "Optimize"
                                        << "2 image(s) left to optimize"
                                        << "Queued"
                                        << "";
        QTest::newRow("not translated, Portugal") << "pt_PT"
                                                  << "Optimize"
                                                  << "2 image(s) left to optimize"
                                                  << "Queued"
                                                  << "";
    }

    void windowSpeaksTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, optimize);
        QFETCH(QString, countLine);
        QFETCH(QString, status);
        QFETCH(QString, qtCatalog);
        queue(QStringLiteral("qq"));
        // A stock button: Qt's own text, in the window's language where Qt is translated to it.
        const auto closeText = [](QWidget* parent) {
            AboutDialog about(parent);
            return about.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->text();
        };
        const QString englishClose = closeText(m_window.get());
        const Translations translations{QLocale(locale)};
        QCOMPARE(translations.language(), qtCatalog.isEmpty() ? QLocale::English : QLocale(locale).language());
        const bool qtTranslated =
            !qtCatalog.isEmpty() &&
            QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/" + qtCatalog + ".qm");
        QCOMPARE(translations.hasQtTranslation(), qtTranslated);
        MainWindow window(m_model.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QAbstractButton*>("optimizeButton")->text(), optimize);
        QCOMPARE(window.findChild<QLabel*>("remainingLabel")->text(), countLine);
        QCOMPARE(label(JobStatus::queued), status);
        QCOMPARE(closeText(&window) != englishClose, qtTranslated);
        // The contact link wraps within the sidebar, also in a language written without spaces.
        auto* contact = window.findChild<QWidget*>("contactLink");
        QVERIFY(contact->minimumSizeHint().width() <= contact->width());
        QVERIFY(contact->heightForWidth(contact->width()) <= contact->height());
    }

    // As the program starts: from the locale of the environment (LANGUAGE, else LANG), registered once more
    // for each language below.
    void languageFollowsTheEnvironment()
    {
        static const QMap<QString, QString> optimize{
            {QStringLiteral("de_DE"), QStringLiteral("Optimieren")},
            {QStringLiteral("ja_JP"), QStringLiteral("最適化")},
            {QStringLiteral("pt_BR"), QStringLiteral("Otimizar")},
        };
        const QString languages = qEnvironmentVariable("LANGUAGE");
        const QString asked = (languages.isEmpty() ? qEnvironmentVariable("LANG") : languages).left(5);
        const Translations translations;
        MainWindow window(m_model.get());
        QCOMPARE(window.findChild<QAbstractButton*>("optimizeButton")->text(),
                 optimize.value(asked, QStringLiteral("Optimize")));
    }

    // A theme's own picture under a symbol's freedesktop names, in the symbol's color; the bundled one
    // where the theme has none of them.
    void iconsFromThemeElseBundled_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("themeFile"); // empty: the theme has none of the symbol's names
        QTest::newRow("symbolic form") << "stop.fill"
                                       << "process-stop-symbolic.svg";
        QTest::newRow("later name, full form") << "eye"
                                               << "view-visible.svg";
        QTest::newRow("status") << "xmark.octagon.fill"
                                << "dialog-error-symbolic.svg";
        QTest::newRow("theme lacks it") << "clock"
                                        << "";
        QTest::newRow("nothing stands for it") << "bolt.fill"
                                               << "bolt.svg";
    }

    void iconsFromThemeElseBundled()
    {
        QFETCH(QString, symbol);
        QFETCH(QString, themeFile);
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString themeName = QIcon::themeName();
        const QString theme =
            QStringLiteral("tovalin-test-") + QString::fromLatin1(QByteArray(QTest::currentDataTag()).toHex());
        m_tree->writeFile(QStringLiteral("icons/%1/index.theme").arg(theme),
                          "[Icon Theme]\nName=Test\nDirectories=actions\n\n[actions]\nSize=16\nMinSize=8\n"
                          "MaxSize=256\nType=Scalable\n");
        m_tree->writeFile(QStringLiteral("icons/bare/index.theme"), "[Icon Theme]\nName=Bare\nDirectories=\n");
        // A square that fills the whole icon, unlike any bundled one.
        m_tree->writeFile(
            QStringLiteral("icons/%1/actions/%2").arg(theme, themeFile.isEmpty() ? "unused.svg" : themeFile),
            "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
            "<rect width='16' height='16' fill='#2e3436'/></svg>");
        QIcon::setThemeSearchPaths({m_tree->path(QStringLiteral("icons"))});
        const QColor red(0xC5, 0x22, 0x1F);
        const auto shown = [&](const QString& name) {
            QIcon::setThemeName(name);
            return Icons::pixmap(symbol, 16, red).toImage().convertToFormat(QImage::Format_ARGB32);
        };
        const QImage bundled = shown(QStringLiteral("bare"));
        const QImage image = shown(theme);
        const bool themed = !Icons::themeIcon(symbol).isNull();
        QIcon::setThemeSearchPaths(searchPaths);
        QIcon::setThemeName(themeName);

        QCOMPARE(themed, !themeFile.isEmpty() && symbol != QStringLiteral("bolt.fill"));
        if (!themed) {
            QCOMPARE(image, bundled);
            return;
        }
        // The theme's square, tinted: every pixel in the symbol's color.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QCOMPARE(image.pixelColor(x, y), red);
            }
        }
        QVERIFY(image != bundled);
    }

    // Every painted text of the queue pane, the filled buttons and the links, against what it is painted
    // on, on a light and on a dark palette: at least WCAG AA's 4.5:1.
    void paintedTextIsReadableOnLightAndDarkPalettes_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QPalette dark;
        for (const auto& [role, color] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
                 {QPalette::Window, QColor(0x31, 0x36, 0x3B)},
                 {QPalette::WindowText, QColor(0xEF, 0xF0, 0xF1)},
                 {QPalette::Base, QColor(0x23, 0x26, 0x29)},
                 {QPalette::AlternateBase, QColor(0x2C, 0x30, 0x34)},
                 {QPalette::Text, QColor(0xEF, 0xF0, 0xF1)},
                 {QPalette::Button, QColor(0x31, 0x36, 0x3B)},
                 {QPalette::ButtonText, QColor(0xEF, 0xF0, 0xF1)},
                 {QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9)},
                 {QPalette::HighlightedText, QColor(0xFC, 0xFC, 0xFC)},
                 {QPalette::Link, QColor(0x29, 0x80, 0xB9)},
                 {QPalette::Mid, QColor(0x4D, 0x53, 0x59)},
                 {QPalette::Midlight, QColor(0x3F, 0x44, 0x4A)},
             }) {
            dark.setColor(role, color);
        }
        QTest::newRow("dark") << dark;
    }

    void paintedTextIsReadableOnLightAndDarkPalettes()
    {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        MainWindow window(m_model.get());
        window.resize(1100, 720);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = window.findChild<JobListView*>("jobsList");
        QWidget* viewport = list->viewport();
        QStringList failures;
        const auto check = [&](const QString& what, const QRect& region) {
            QApplication::processEvents();
            const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
            const qreal ratio = window.devicePixelRatioF();
            const QRect pixels(QPoint(qRound(region.left() * ratio), qRound(region.top() * ratio)),
                               QPoint(qRound(region.right() * ratio), qRound(region.bottom() * ratio)));
            const double contrast = paintedContrast(image, pixels);
            if (contrast < Theme::minimumContrast) {
                failures << QStringLiteral("%1: %2").arg(what).arg(contrast, 0, 'f', 2);
            }
        };
        const auto onWindow = [&](QWidget* widget, const QRect& rect) {
            return QRect(widget->mapTo(&window, rect.topLeft()), rect.size());
        };
        const auto widgetText = [&](const char* name) {
            QWidget* widget = window.findChild<QWidget*>(name);
            check(QLatin1String(name), onWindow(widget, widget->rect()));
        };

        // The drop hint, on the empty list and while images are dragged over it.
        const int hintHeight = QFontMetrics(Theme::font(Theme::TextStyle::callout)).height();
        const QRect hint(viewport->width() / 2 - 80, (viewport->height() - 50 - hintHeight) / 2 + 50, 160, hintHeight);
        check("empty list's hint", onWindow(viewport, hint));
        list->setDropHighlighted(true);
        check("drop hint", onWindow(viewport, hint));
        list->setDropHighlighted(false);

        // Rows of every state, one with its saved files; then the header, the links and Optimize.
        type("apiKeyField", QStringLiteral("key"));
        queue(QStringLiteral("qsf"));
        setStatus(1, JobStatus::succeeded,
                  {DownloadedFile(OutputKind::webp, m_tree->fileUrl(QStringLiteral("a.webp")), 2'000)});
        const auto checkRow = [&](int row) {
            const QRect r = list->visualRect(list->model()->index(row, 0));
            const QRect remove = list->rowDelegate()->removeButtonRect(r);
            const QString name = QStringLiteral("row %1 ").arg(row);
            const int left = r.left() + JobRowDelegate::horizontalInset;
            check(name + "file name", onWindow(viewport, QRect(left, remove.top(), 60, remove.height())));
            check(name + "status", onWindow(viewport, QRect(remove.left() - 90, remove.top(), 82, remove.height())));
            const int messageTop = remove.bottom() + JobRowDelegate::partSpacing;
            check(name + "message", onWindow(viewport, QRect(left, messageTop, 120, 12)));
            for (const auto& item : list->rowDelegate()->downloadItems(r, list->model()->index(row, 0))) {
                const int half = item.rect.height() / 2;
                check(name + "saved file's format", onWindow(viewport, item.rect.adjusted(0, 0, 0, -half)));
                check(name + "saved file's path", onWindow(viewport, item.rect.adjusted(0, half + 1, 0, 0)));
            }
        };
        for (int row = 0; row < 3; ++row) {
            checkRow(row);
        }
        for (const char* name : {"queueTitle", "statusLabel", "remainingLabel", "sidebarTitle", "signUpLink",
                                 "contactLink", "aboutLink"}) {
            widgetText(name);
        }
        const auto filled = [&](const char* name) {
            auto* button = window.findChild<FilledButton*>(name);
            const QRect fill = FilledButtonStyle::fillRect(button->rect()).adjusted(4, 4, -4, -4);
            check(QLatin1String(name), onWindow(button, fill));
        };
        filled("optimizeButton");
        // A run: the row in progress, and Stop.
        click("optimizeButton");
        QTRY_COMPARE(m_service->pending(), 1);
        checkRow(0);
        filled("stopButton");
        QApplication::setPalette(before);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
    }

    // "Done." and the counts, only after a run longer than ten seconds that ends while the user is elsewhere.
    void longRunEndAnnouncedWhileElsewhere_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QString>("announced"); // empty: nothing
        const QString done = QStringLiteral("Done. / 3 image(s) optimized, 1 failed.");
        QTest::newRow("long, elsewhere") << 11 << false << false << done;
        QTest::newRow("ten seconds") << 10 << false << false << "";
        QTest::newRow("window active") << 60 << true << false << "";
        QTest::newRow("stopped") << 60 << false << true << "Done. / 1 image(s) optimized, 1 failed, 2 stopped.";
    }

    void longRunEndAnnouncedWhileElsewhere()
    {
        QFETCH(int, seconds);
        QFETCH(bool, active);
        QFETCH(bool, stop);
        QFETCH(QString, announced);
        QStringList sent;
        std::chrono::milliseconds now{1'000'000};
        RunNotifier notifier(
            m_model.get(), std::make_unique<RecordingSender>(&sent), [&] { return active; }, [&] { return now; });
        type("apiKeyField", QStringLiteral("key"));
        queue(QStringLiteral("qqqq"));
        click("optimizeButton");
        // Added during the run, so not part of it.
        queue(QStringLiteral("q"));
        QTRY_COMPARE(m_service->pending(), 1);
        m_service->call(0)->succeed();
        QTRY_COMPARE(m_service->pending(), 1);
        m_service->call(1)->fail(QStringLiteral("The API key is not valid."));
        QTRY_COMPARE(m_service->pending(), 1);
        now += std::chrono::seconds(seconds);
        if (stop) {
            click("stopButton");
        } else {
            m_service->call(2)->succeed();
            QTRY_COMPARE(m_service->pending(), 1);
            m_service->call(3)->succeed();
        }
        QTRY_COMPARE(m_model->statusMessage(), QStringLiteral("Done."));
        QCOMPARE(sent.join(QLatin1Char('|')), announced);
        QCOMPARE(RunNotifier::body({1, 0, 0}), QStringLiteral("1 image(s) optimized."));
    }

    // The real call on a private session bus: the notification service's Notify with the program's name,
    // icon and launcher entry; the tray where no service answers.
    void notificationGoesOverTheSessionBus()
    {
        QProcess bus;
        bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--nopidfile", "--print-address"});
        if (!bus.waitForStarted()) {
            QSKIP("dbus-daemon is not installed");
        }
        QVERIFY(bus.waitForReadyRead());
        const QString address = QString::fromUtf8(bus.readLine()).trimmed();
        {
            QDBusConnection client = QDBusConnection::connectToBus(address, QStringLiteral("tovalin-client"));
            QVERIFY(client.isConnected());
            DesktopNotifier notifier(client);
            QSignalSpy fellBack(&notifier, &DesktopNotifier::fellBack);
            notifier.send(QStringLiteral("Done."), QStringLiteral("2 image(s) optimized."));
            QVERIFY(fellBack.wait());

            QDBusConnection server = QDBusConnection::connectToBus(address, QStringLiteral("tovalin-service"));
            NotificationService service;
            QVERIFY(server.registerObject(DesktopNotifier::path, &service, QDBusConnection::ExportAllSlots));
            QVERIFY(server.registerService(DesktopNotifier::service));
            QSignalSpy delivered(&notifier, &DesktopNotifier::delivered);
            notifier.send(QStringLiteral("Done."), QStringLiteral("2 image(s) optimized."));
            QVERIFY(delivered.wait());
            QCOMPARE(delivered.at(0).at(0).toUInt(), 7U);
            QCOMPARE(service.received, QStringLiteral("Tovalin Image Optimizer|io.tovalin.ImageOptimizer|Done.|2 "
                                                      "image(s) optimized.|io.tovalin.ImageOptimizer"));
            QCOMPARE(fellBack.size(), 1);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("tovalin-client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("tovalin-service"));
        bus.kill();
        bus.waitForFinished();
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
