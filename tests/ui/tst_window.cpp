// The window driven offscreen through its real widgets: every control is found by its objectName,
// clicked or typed into, and checked against the view model and against what it shows. Runs use a
// stand-in optimizer whose calls end only when the test says so.

#include "AppViewModel.h"
#include "ContentView.h"
#include "FilledButton.h"
#include "GrayButtonStyle.h"
#include "Icons.h"
#include "ItemPicker.h"
#include "ItemPickerDialog.h"
#include "JobListView.h"
#include "JobRowDelegate.h"
#include "LinkButton.h"
#include "MainWindow.h"
#include "RedButtonStyle.h"
#include "SegmentedControl.h"
#include "ServiceGate.h"
#include "Spinner.h"
#include "TempTree.h"
#include "Theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <memory>

class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

class TestWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void shellHasTitleMinimumSizeAndFixedSidebar();
    void startsEmptyWithDefaultSettings();
    void optimizeEnabling_data();
    void optimizeEnabling();
    void stopTakesOptimizesPlaceDuringRun();
    void eyeButtonSwitchesMaskedAndPlainField();
    void keyPreviewBelongsToEachView();
    void resizeFieldsOnlyForCoverAndContain();
    void countLineOnlyWithTwoOrMoreJobs();
    void failedJobsCountAsRemainingAfterRun();
    void clearButtonsEnabling();
    void clearQueueDuringRunKeepsRunningJob();
    void statusLineShowsRunMessages();
    void settingChangedInWindowReachesNextJob();
    void bindingsGoBothWaysWithoutFeedback();
    void addButtonQueuesPickedItems();
    void pickerDialogChoosesFoldersAndFilesTogether();
    void pickerKeepsOnlyFoldersAndOfferedImages();
    void linksOpenTheirPages();
    void everySymbolRendersOffscreen();
    void keyboardReachesEveryControl();
    void rowsShowSavedFilesAndTooltips();
    void rowsPaintStatusColorsAndDimRunningRemoveButton();
    void largeQueueHasNoWidgetPerRow();
    void filledButtonsFollowTheirStyle();

private:
    template <typename T>
    T* find(const char* name) const
    {
        T* widget = m_window->findChild<T*>(QLatin1String(name));
        if (widget == nullptr) {
            qFatal("no widget named %s", name);
        }
        return widget;
    }
    void queue(int count);
    void typeApiKey(const QString& key);
    void clickSegment(const char* picker, int id);
    void clickRemove(int row);
    bool shown(const char* name) const { return find<QWidget>(name)->isVisible(); }
    QString text(const char* name) const { return find<QLabel>(name)->text(); }
    void setStatus(int row, JobStatus status, QList<DownloadedFile> downloads = {});

    std::unique_ptr<TempTree> m_tree;
    std::unique_ptr<ServiceGate> m_gate;
    std::unique_ptr<AppViewModel> m_model;
    std::unique_ptr<MainWindow> m_window;
};

void TestWindow::init()
{
    m_tree = std::make_unique<TempTree>();
    QVERIFY(m_tree->isValid());
    m_gate = std::make_unique<ServiceGate>();
    m_model = std::make_unique<AppViewModel>(
        std::make_shared<ApiKeyStore>(m_tree->path(QStringLiteral("settings.ini"))), m_gate->optimizer());
    m_window = std::make_unique<MainWindow>(m_model.get());
    m_window->resize(1100, 720);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestWindow::cleanup()
{
    if (m_model->isProcessing()) {
        m_model->stopAll();
    }
    QTRY_COMPARE(m_gate->pending, 0);
    m_window.reset();
    m_model.reset();
    m_gate.reset();
    m_tree.reset();
}

void TestWindow::queue(int count)
{
    QList<QUrl> files;
    const auto first = m_model->jobs().size();
    for (int i = 0; i < count; ++i) {
        files.append(QUrl::fromLocalFile(
            m_tree->writeFile(QStringLiteral("image-%1.png").arg(first + i), QByteArrayLiteral("png"))));
    }
    m_model->addFiles(files);
}

void TestWindow::typeApiKey(const QString& key)
{
    auto* field = find<QLineEdit>("apiKeyField");
    field->clear();
    m_model->setApiKey(QString());
    if (key.contains(QLatin1Char('\t')) || key.contains(QLatin1Char('\n'))) {
        // Tab and Return would act on the window rather than type; the binding shows them as set.
        m_model->setApiKey(key);
        QCOMPARE(field->text(), key);
        return;
    }
    QTest::keyClicks(field, key);
}

void TestWindow::clickSegment(const char* picker, int id)
{
    QAbstractButton* segment = find<SegmentedControl>(picker)->segment(id);
    QVERIFY(segment != nullptr);
    QTest::mouseClick(segment, Qt::LeftButton);
}

void TestWindow::clickRemove(int row)
{
    auto* list = find<JobListView>("jobsList");
    const QRect rowRect = list->visualRect(list->model()->index(row, 0));
    QVERIFY(rowRect.isValid());
    const QPoint at = list->rowDelegate()->removeButtonRect(rowRect).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

void TestWindow::setStatus(int row, JobStatus status, QList<DownloadedFile> downloads)
{
    m_model->jobModel()->update(m_model->jobs().at(row).id, [&](ImageJob& job) {
        job.status = status;
        job.downloads = downloads;
    });
}

void TestWindow::shellHasTitleMinimumSizeAndFixedSidebar()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tovalin Image Optimizer for Mac"));
    m_window->resize(400, 300);
    QCOMPARE(m_window->size(), QSize(980, 620));
    QCOMPARE(m_window->minimumSize(), QSize(980, 620));

    auto* sidebar = find<QWidget>("sidebar");
    auto* pane = find<QWidget>("queuePane");
    QCOMPARE(sidebar->width(), 320);
    const int paneWidth = pane->width();
    m_window->resize(1400, 800);
    QTRY_COMPARE(pane->width(), paneWidth + 420);
    QCOMPARE(sidebar->width(), 320);
    // The window background fills the padding around the sidebar's column too.
    auto* panel = find<QWidget>("sidebarPanel");
    QVERIFY(panel->autoFillBackground());
    QCOMPARE(panel->width(), 320 + 2 * Theme::standardPadding);
}

void TestWindow::startsEmptyWithDefaultSettings()
{
    QCOMPARE(text("statusLabel"), QStringLiteral("Add files to begin."));
    QVERIFY(!shown("remainingLabel"));
    QVERIFY(!find<QPushButton>("clearFinishedButton")->isEnabled());
    QVERIFY(!find<QPushButton>("clearQueueButton")->isEnabled());
    QVERIFY(!shown("spinner"));
    QVERIFY(shown("optimizeButton"));
    QVERIFY(!find<QPushButton>("optimizeButton")->isEnabled());
    QVERIFY(!shown("stopButton"));
    QVERIFY(find<QPushButton>("addButton")->isEnabled());
    QCOMPARE(find<QLineEdit>("apiKeyField")->echoMode(), QLineEdit::Password);
    QCOMPARE(find<QLineEdit>("apiKeyField")->placeholderText(), QStringLiteral("Your 20-character API key"));
    QVERIFY(find<QCheckBox>("convertToWebPCheckBox")->isChecked());
    QVERIFY(!find<QCheckBox>("convertToAVIFCheckBox")->isChecked());
    QVERIFY(find<QCheckBox>("cmykToRgbCheckBox")->isChecked());
    QVERIFY(!find<QCheckBox>("removeBackgroundCheckBox")->isChecked());
    QVERIFY(!find<QCheckBox>("keepExifCheckBox")->isChecked());
    QVERIFY(!shown("resizeFields"));

    auto* compression = find<SegmentedControl>("compressionPicker");
    QCOMPARE(compression->count(), 3);
    QCOMPARE(compression->segment(1)->text(), QStringLiteral("Lossy"));
    QCOMPARE(compression->currentId(), rawValue(Compression::lossy));
    // Offered in display order: Lossy, Glossy, Lossless.
    QVERIFY(compression->segment(1)->x() < compression->segment(2)->x());
    QVERIFY(compression->segment(2)->x() < compression->segment(0)->x());
    QCOMPARE(compression->segment(0)->text(), QStringLiteral("Lossless"));

    auto* resize = find<SegmentedControl>("resizePicker");
    QCOMPARE(resize->currentId(), 0);
    QVERIFY(resize->segment(0)->x() < resize->segment(1)->x());
    QVERIFY(resize->segment(1)->x() < resize->segment(3)->x());
    QCOMPARE(resize->segment(3)->text(), QStringLiteral("Contain"));

    auto* upscale = find<QComboBox>("upscalePicker");
    QStringList entries;
    for (int i = 0; i < upscale->count(); ++i) {
        entries.append(upscale->itemText(i));
    }
    QCOMPARE(entries, (QStringList{QStringLiteral("No upscale"), QStringLiteral("2x"), QStringLiteral("3x"),
                                   QStringLiteral("4x")}));
    QCOMPARE(upscale->currentText(), QStringLiteral("No upscale"));
    QCOMPARE(find<JobListView>("jobsList")->model()->rowCount(), 0);
}

void TestWindow::optimizeEnabling_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("jobs");
    QTest::addColumn<bool>("onlySucceeded");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty key") << QString() << 1 << false << false;
    QTest::newRow("spaces only") << QStringLiteral("   ") << 2 << false << false;
    QTest::newRow("tab only") << QStringLiteral("\t") << 1 << false << false;
    QTest::newRow("key, empty queue") << QStringLiteral("abc") << 0 << false << false;
    QTest::newRow("key and a job") << QStringLiteral("abc") << 1 << false << true;
    QTest::newRow("key with spaces around") << QStringLiteral("  abc ") << 1 << false << true;
    QTest::newRow("only finished jobs") << QStringLiteral("abc") << 2 << true << true;
}

void TestWindow::optimizeEnabling()
{
    QFETCH(QString, key);
    QFETCH(int, jobs);
    QFETCH(bool, onlySucceeded);
    QFETCH(bool, enabled);
    typeApiKey(key);
    QCOMPARE(m_model->apiKey(), key);
    queue(jobs);
    if (onlySucceeded) {
        for (int row = 0; row < jobs; ++row) {
            setStatus(row, JobStatus::succeeded);
        }
    }
    auto* optimize = find<QPushButton>("optimizeButton");
    QVERIFY(optimize->isVisible());
    QCOMPARE(optimize->isEnabled(), enabled);

    // Clicking a disabled Optimize starts nothing.
    QTest::mouseClick(optimize, Qt::LeftButton);
    QCOMPARE(m_model->isProcessing(), enabled);
}

void TestWindow::stopTakesOptimizesPlaceDuringRun()
{
    typeApiKey(QStringLiteral("key"));
    queue(2);
    QTest::mouseClick(find<QPushButton>("optimizeButton"), Qt::LeftButton);
    QVERIFY(m_model->isProcessing());
    QVERIFY(!shown("optimizeButton"));
    QVERIFY(shown("stopButton"));
    QVERIFY(find<QPushButton>("stopButton")->isEnabled());
    QVERIFY(find<QPushButton>("addButton")->isEnabled());
    QVERIFY(shown("spinner"));
    QVERIFY(find<Spinner>("spinner")->isSpinning());
    // No setting is disabled during a run.
    QVERIFY(find<QLineEdit>("apiKeyField")->isEnabled());
    QVERIFY(find<SegmentedControl>("compressionPicker")->isEnabled());
    QVERIFY(find<QComboBox>("upscalePicker")->isEnabled());

    QTRY_COMPARE(m_gate->pending, 1);
    QCOMPARE(m_model->jobs().at(0).status, JobStatus::running);
    auto* list = find<JobListView>("jobsList");
    QVERIFY(!JobRowDelegate::canRemove(list->model()->index(0, 0)));
    QVERIFY(JobRowDelegate::canRemove(list->model()->index(1, 0)));

    // The running row's remove button does nothing; a queued row's removes its job.
    clickRemove(0);
    QCOMPARE(m_model->jobs().size(), 2);
    // Items added during a run are queued and not taken by it.
    queue(1);
    clickRemove(1);
    QCOMPARE(m_model->jobs().size(), 2);
    QCOMPARE(m_model->jobs().at(0).status, JobStatus::running);

    QTest::mouseClick(find<QPushButton>("stopButton"), Qt::LeftButton);
    QVERIFY(!m_model->isProcessing());
    QVERIFY(shown("optimizeButton"));
    QVERIFY(!shown("stopButton"));
    QVERIFY(!shown("spinner"));
    QVERIFY(!find<Spinner>("spinner")->isSpinning());
    QCOMPARE(m_model->jobs().at(0).status, JobStatus::failed);
    QCOMPARE(m_model->jobs().at(1).status, JobStatus::queued);
    QTRY_COMPARE(m_gate->pending, 0);
    QCOMPARE(m_gate->files.size(), 1);
}

void TestWindow::eyeButtonSwitchesMaskedAndPlainField()
{
    typeApiKey(QStringLiteral("abcdefghij0123456789"));
    auto* field = find<QLineEdit>("apiKeyField");
    auto* eye = find<QToolButton>("apiKeyVisibilityButton");
    QCOMPARE(field->echoMode(), QLineEdit::Password);
    QCOMPARE(eye->toolTip(), QStringLiteral("Show key"));
    QCOMPARE(eye->accessibleName(), QStringLiteral("Show key"));
    QCOMPARE(eye->property("symbol").toString(), QStringLiteral("eye"));
    QVERIFY(!eye->icon().isNull());

    QTest::mouseClick(eye, Qt::LeftButton);
    QVERIFY(m_window->contentView()->apiKeyPreview());
    QCOMPARE(field->echoMode(), QLineEdit::Normal);
    QCOMPARE(field->text(), QStringLiteral("abcdefghij0123456789"));
    QCOMPARE(eye->toolTip(), QStringLiteral("Hide key"));
    QCOMPARE(eye->accessibleName(), QStringLiteral("Hide key"));
    QCOMPARE(eye->property("symbol").toString(), QStringLiteral("eye.slash"));

    // Typing in the plain field edits the same key.
    QTest::keyClicks(field, QStringLiteral("X"));
    QCOMPARE(m_model->apiKey(), QStringLiteral("abcdefghij0123456789X"));

    QTest::mouseClick(eye, Qt::LeftButton);
    QVERIFY(!m_window->contentView()->apiKeyPreview());
    QCOMPARE(field->echoMode(), QLineEdit::Password);
    QCOMPARE(field->text(), QStringLiteral("abcdefghij0123456789X"));
    QCOMPARE(eye->toolTip(), QStringLiteral("Show key"));
    QCOMPARE(eye->property("symbol").toString(), QStringLiteral("eye"));
}

void TestWindow::keyPreviewBelongsToEachView()
{
    typeApiKey(QStringLiteral("secret"));
    MainWindow second(m_model.get());
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QTest::mouseClick(find<QToolButton>("apiKeyVisibilityButton"), Qt::LeftButton);
    QVERIFY(m_window->contentView()->apiKeyPreview());
    QVERIFY(!second.contentView()->apiKeyPreview());
    auto* otherField = second.findChild<QLineEdit*>(QStringLiteral("apiKeyField"));
    QCOMPARE(otherField->echoMode(), QLineEdit::Password);
    // Both show the one view model: a key typed in one shows in the other.
    QTest::keyClicks(otherField, QStringLiteral("2"));
    QCOMPARE(find<QLineEdit>("apiKeyField")->text(), QStringLiteral("secret2"));
    queue(1);
    QCOMPARE(second.findChild<JobListView*>(QStringLiteral("jobsList"))->model()->rowCount(), 1);
}

void TestWindow::resizeFieldsOnlyForCoverAndContain()
{
    QVERIFY(!shown("resizeFields"));
    clickSegment("resizePicker", rawValue(ResizeMode::cover));
    QCOMPARE(m_model->resizeMode(), ResizeMode::cover);
    QVERIFY(shown("resizeFields"));
    auto* width = find<QLineEdit>("resizeWidthField");
    auto* height = find<QLineEdit>("resizeHeightField");
    QCOMPARE(width->width(), 80);
    QCOMPARE(height->width(), 80);
    QCOMPARE(width->placeholderText(), QStringLiteral("Width"));
    QCOMPARE(height->placeholderText(), QStringLiteral("Height"));
    QTest::keyClicks(width, QStringLiteral("800px"));
    QTest::keyClicks(height, QStringLiteral("600"));
    QCOMPARE(m_model->resizeWidth(), QStringLiteral("800px"));
    QCOMPARE(m_model->resizeHeight(), QStringLiteral("600"));
    QVERIFY(width->x() < height->x());

    clickSegment("resizePicker", rawValue(ResizeMode::none));
    QCOMPARE(m_model->resizeMode(), ResizeMode::none);
    QVERIFY(!shown("resizeFields"));
    QCOMPARE(m_model->resizeWidth(), QStringLiteral("800px"));

    clickSegment("resizePicker", rawValue(ResizeMode::contain));
    QCOMPARE(m_model->resizeMode(), ResizeMode::contain);
    QVERIFY(shown("resizeFields"));
    QCOMPARE(width->text(), QStringLiteral("800px"));
    QCOMPARE(height->text(), QStringLiteral("600"));
}

void TestWindow::countLineOnlyWithTwoOrMoreJobs()
{
    queue(1);
    QVERIFY(!shown("remainingLabel"));
    queue(1);
    QVERIFY(shown("remainingLabel"));
    QCOMPARE(text("remainingLabel"), QStringLiteral("2 image(s) left to optimize"));
    setStatus(0, JobStatus::succeeded);
    QCOMPARE(text("remainingLabel"), QStringLiteral("1 image(s) left to optimize"));
    setStatus(1, JobStatus::failed);
    QCOMPARE(text("remainingLabel"), QStringLiteral("1 image(s) left to optimize"));
    setStatus(1, JobStatus::succeeded);
    QCOMPARE(text("remainingLabel"), QStringLiteral("0 image(s) left to optimize"));
    m_model->removeJob(m_model->jobs().at(0).id);
    QVERIFY(!shown("remainingLabel"));
}

void TestWindow::failedJobsCountAsRemainingAfterRun()
{
    typeApiKey(QStringLiteral("key"));
    queue(3);
    QTest::mouseClick(find<QPushButton>("optimizeButton"), Qt::LeftButton);
    QTRY_COMPARE(m_gate->files.size(), 1);
    m_gate->release({DownloadedFile(QStringLiteral("Optimized"), m_tree->fileUrl(QStringLiteral("a.png")))});
    QTRY_COMPARE(m_gate->files.size(), 2);
    m_gate->fail(QStringLiteral("The service did not answer."));
    QTRY_COMPARE(m_gate->files.size(), 3);
    m_gate->release({DownloadedFile(QStringLiteral("Optimized"), m_tree->fileUrl(QStringLiteral("c.png")))});
    QTRY_VERIFY(!m_model->isProcessing());
    QCOMPARE(text("remainingLabel"), QStringLiteral("1 image(s) left to optimize"));
    QCOMPARE(text("statusLabel"), QStringLiteral("Done."));
    QCOMPARE(m_model->jobs().at(1).message, QStringLiteral("The service did not answer."));
    QVERIFY(find<QPushButton>("clearFinishedButton")->isEnabled());
}

void TestWindow::clearButtonsEnabling()
{
    auto* clearFinished = find<QPushButton>("clearFinishedButton");
    auto* clearQueue = find<QPushButton>("clearQueueButton");
    queue(3);
    setStatus(0, JobStatus::failed);
    QVERIFY(!clearFinished->isEnabled());
    QVERIFY(clearQueue->isEnabled());
    setStatus(1, JobStatus::succeeded);
    QVERIFY(clearFinished->isEnabled());

    QTest::mouseClick(clearFinished, Qt::LeftButton);
    QCOMPARE(m_model->jobs().size(), 2);
    QCOMPARE(m_model->jobs().at(0).status, JobStatus::failed);
    QCOMPARE(m_model->jobs().at(1).status, JobStatus::queued);
    QVERIFY(!clearFinished->isEnabled());

    QTest::mouseClick(clearQueue, Qt::LeftButton);
    QVERIFY(m_model->jobs().isEmpty());
    QVERIFY(!clearQueue->isEnabled());
    QVERIFY(!clearFinished->isEnabled());
}

void TestWindow::clearQueueDuringRunKeepsRunningJob()
{
    typeApiKey(QStringLiteral("key"));
    queue(3);
    QTest::mouseClick(find<QPushButton>("optimizeButton"), Qt::LeftButton);
    QTRY_COMPARE(m_gate->pending, 1);
    auto* clearQueue = find<QPushButton>("clearQueueButton");
    QVERIFY(clearQueue->isEnabled());
    QTest::mouseClick(clearQueue, Qt::LeftButton);
    QCOMPARE(m_model->jobs().size(), 1);
    QCOMPARE(m_model->jobs().at(0).status, JobStatus::running);
    QCOMPARE(find<JobListView>("jobsList")->model()->rowCount(), 1);
    QVERIFY(m_model->isProcessing());
}

void TestWindow::statusLineShowsRunMessages()
{
    queue(2);
    // An empty status message reads the same with jobs queued.
    QCOMPARE(text("statusLabel"), QStringLiteral("Add files to begin."));
    typeApiKey(QStringLiteral("key"));
    QTest::mouseClick(find<QPushButton>("optimizeButton"), Qt::LeftButton);
    QCOMPARE(text("statusLabel"), QStringLiteral("Optimizing 2 image(s)…"));
    QTRY_COMPARE(m_gate->pending, 1);
    QTest::mouseClick(find<QPushButton>("stopButton"), Qt::LeftButton);
    QVERIFY(text("statusLabel") == QStringLiteral("Stopped by user.") ||
            text("statusLabel") == QStringLiteral("Done."));
    QTRY_COMPARE(text("statusLabel"), QStringLiteral("Done."));
    QCOMPARE(m_model->jobs().at(0).message, QStringLiteral("Stopped."));
    QCOMPARE(m_model->jobs().at(1).message, QStringLiteral("Stopped."));
}

void TestWindow::settingChangedInWindowReachesNextJob()
{
    typeApiKey(QStringLiteral(" key\n"));
    queue(2);
    QTest::mouseClick(find<QPushButton>("optimizeButton"), Qt::LeftButton);
    QTRY_COMPARE(m_gate->options.size(), 1);
    QCOMPARE(m_gate->options.at(0).apiKey, QStringLiteral("key"));
    QCOMPARE(m_gate->options.at(0).compression, Compression::lossy);

    clickSegment("compressionPicker", rawValue(Compression::glossy));
    QTest::mouseClick(find<QCheckBox>("convertToAVIFCheckBox"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>("convertToWebPCheckBox"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>("keepExifCheckBox"), Qt::LeftButton);
    clickSegment("resizePicker", rawValue(ResizeMode::contain));
    QTest::keyClicks(find<QLineEdit>("resizeWidthField"), QStringLiteral(" 1200 "));
    QTest::keyClicks(find<QLineEdit>("resizeHeightField"), QStringLiteral("9x"));
    auto* upscale = find<QComboBox>("upscalePicker");
    upscale->setFocus();
    QTest::keyClick(upscale, Qt::Key_Down);
    QTest::keyClick(upscale, Qt::Key_Down);
    QCOMPARE(upscale->currentText(), QStringLiteral("3x"));

    m_gate->release();
    QTRY_COMPARE(m_gate->options.size(), 2);
    const TovalinOptions& next = m_gate->options.at(1);
    QCOMPARE(next.compression, Compression::glossy);
    QCOMPARE(next.convertToAVIF, true);
    QCOMPARE(next.convertToWebP, false);
    QCOMPARE(next.keepExif, true);
    QCOMPARE(next.resizeMode, ResizeMode::contain);
    QCOMPARE(next.resizeWidth, std::optional<qint64>(1200));
    QCOMPARE(next.resizeHeight, std::optional<qint64>());
    QCOMPARE(next.upscale, UpscaleFactor::x3);
    QCOMPARE(next.cmykToRgb, true);
    m_gate->release();
    QTRY_VERIFY(!m_model->isProcessing());
}

void TestWindow::bindingsGoBothWaysWithoutFeedback()
{
    auto* field = find<QLineEdit>("apiKeyField");
    typeApiKey(QStringLiteral("abcdef"));
    // Persisted at once.
    QCOMPARE(ApiKeyStore(m_tree->path(QStringLiteral("settings.ini"))).apiKey(), QStringLiteral("abcdef"));

    QSignalSpy edits(field, &QLineEdit::textChanged);
    field->setCursorPosition(2);
    m_model->setApiKey(QStringLiteral("abcdef"));
    QCOMPARE(field->cursorPosition(), 2);
    QCOMPARE(edits.size(), 0);
    m_model->setApiKey(QStringLiteral("other"));
    QCOMPARE(field->text(), QStringLiteral("other"));

    QSignalSpy keyChanges(m_model.get(), &AppViewModel::apiKeyChanged);
    QTest::keyClick(field, Qt::Key_Z);
    QCOMPARE(keyChanges.size(), 1);

    auto* webp = find<QCheckBox>("convertToWebPCheckBox");
    QTest::mouseClick(webp, Qt::LeftButton);
    QCOMPARE(m_model->convertToWebP(), false);
    m_model->setConvertToWebP(true);
    QVERIFY(webp->isChecked());
    m_model->setRemoveBackground(true);
    QVERIFY(find<QCheckBox>("removeBackgroundCheckBox")->isChecked());

    m_model->setCompression(Compression::lossless);
    QCOMPARE(find<SegmentedControl>("compressionPicker")->currentId(), rawValue(Compression::lossless));
    QVERIFY(find<SegmentedControl>("compressionPicker")->segment(0)->isChecked());
    m_model->setUpscale(UpscaleFactor::x4);
    QCOMPARE(find<QComboBox>("upscalePicker")->currentText(), QStringLiteral("4x"));
    m_model->setResizeWidth(QStringLiteral("640"));
    QCOMPARE(find<QLineEdit>("resizeWidthField")->text(), QStringLiteral("640"));
}

void TestWindow::addButtonQueuesPickedItems()
{
    m_tree->writeFile(QStringLiteral("album/one.jpg"));
    m_tree->writeFile(QStringLiteral("album/two.png"));
    m_tree->writeFile(QStringLiteral("album/raw.cr2"));
    const QString raw = m_tree->writeFile(QStringLiteral("loose.cr2"));
    ItemPicker* picker = ItemPicker::instance();
    const int before = picker->pickCount();

    picker->setNextResult(
        QList<QUrl>{AppViewModel::directoryUrl(m_tree->path(QStringLiteral("album"))), QUrl::fromLocalFile(raw)});
    QTest::mouseClick(find<QPushButton>("addButton"), Qt::LeftButton);
    QCOMPARE(picker->pickCount(), before + 1);
    // The folder's images are found by the folder search, which takes no raw files; a raw file chosen
    // directly is queued.
    QCOMPARE(m_model->jobs().size(), 3);
    QCOMPARE(m_model->jobs().last().url, QUrl::fromLocalFile(raw));

    picker->setNextResult(std::nullopt);
    QTest::mouseClick(find<QPushButton>("addButton"), Qt::LeftButton);
    QCOMPARE(picker->pickCount(), before + 2);
    QCOMPARE(m_model->jobs().size(), 3);
}

void TestWindow::pickerDialogChoosesFoldersAndFilesTogether()
{
    m_tree->writeFile(QStringLiteral("shots/a.png"));
    const QString raw = m_tree->writeFile(QStringLiteral("photo.NEF"));
    ItemPickerDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose images or folders to optimize"));
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
    QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
    QVERIFY(dialog.nameFilters().first().contains(QStringLiteral("*.nef")));
    QVERIFY(dialog.nameFilters().first().contains(QStringLiteral("*.heif")));
    dialog.setDirectory(m_tree->root());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // A folder and a file chosen together, as the line edit holds a multiple selection.
    auto* names = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(names != nullptr);
    names->setText(QStringLiteral("\"shots\" \"photo.NEF\""));
    QMetaObject::invokeMethod(&dialog, "accept");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenItems(), (QList<QUrl>{AppViewModel::directoryUrl(m_tree->path(QStringLiteral("shots"))),
                                                QUrl::fromLocalFile(raw)}));
    QVERIFY(dialog.chosenItems().first().path().endsWith(QLatin1Char('/')));
}

void TestWindow::pickerKeepsOnlyFoldersAndOfferedImages()
{
    const QString folder = m_tree->makeFolder(QStringLiteral("folder.png"));
    const QString jpeg = m_tree->writeFile(QStringLiteral("b.JPG"));
    const QString heif = m_tree->writeFile(QStringLiteral("c.heif"));
    const QString text = m_tree->writeFile(QStringLiteral("notes.txt"));
    const QList<QUrl> items =
        ItemPickerDialog::toItems({folder, text, jpeg, m_tree->path(QStringLiteral("gone.png")), heif});
    QCOMPARE(items,
             (QList<QUrl>{AppViewModel::directoryUrl(folder), QUrl::fromLocalFile(jpeg), QUrl::fromLocalFile(heif)}));
    for (const QString& extension : {QStringLiteral("dng"), QStringLiteral("cr3"), QStringLiteral("arw"),
                                     QStringLiteral("raf"), QStringLiteral("webp"), QStringLiteral("tiff")}) {
        QVERIFY2(ItemPickerDialog::imageExtensions().contains(extension), qPrintable(extension));
    }
}

void TestWindow::linksOpenTheirPages()
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    const char* const links[] = {"signUpLink",
                                 "compressionHelpButton",
                                 "resizeHelpButton",
                                 "cmykToRgbHelpButton",
                                 "removeBackgroundHelpButton",
                                 "keepExifHelpButton",
                                 "upscaleHelpButton",
                                 "contactLink"};
    for (const char* name : links) {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(recorder.opened.size(), 8);
    QSet<QUrl> distinct;
    for (const QUrl& url : recorder.opened) {
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.host(), QStringLiteral("tovalin.io"));
        distinct.insert(url);
    }
    QCOMPARE(distinct.size(), 8);

    QCOMPARE(find<QAbstractButton>("signUpLink")->text(), QStringLiteral("(Get an API Key)"));
    QCOMPARE(find<QAbstractButton>("contactLink")->text(),
             QStringLiteral("Contact us with any issues, bug reports, or questions."));
    QCOMPARE(find<QToolButton>("compressionHelpButton")->toolTip(),
             QStringLiteral("Learn about Lossy, Glossy, and Lossless"));
    QCOMPARE(find<QToolButton>("resizeHelpButton")->toolTip(),
             QStringLiteral("Learn how Tovalin resizes images automatically"));
    for (const char* name :
         {"cmykToRgbHelpButton", "removeBackgroundHelpButton", "keepExifHelpButton", "upscaleHelpButton"}) {
        QVERIFY(find<QToolButton>(name)->toolTip().isEmpty());
        QVERIFY(!find<QToolButton>(name)->accessibleName().isEmpty());
    }
}

void TestWindow::everySymbolRendersOffscreen()
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

void TestWindow::keyboardReachesEveryControl()
{
    typeApiKey(QStringLiteral("key"));
    queue(2);
    // Disabled buttons take no focus: make both clear buttons usable.
    setStatus(1, JobStatus::succeeded);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    clickSegment("resizePicker", rawValue(ResizeMode::cover));
    auto* field = find<QLineEdit>("apiKeyField");
    field->setFocus();
    QSet<QString> reached;
    for (int i = 0; i < 60; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        reached.insert(focus->objectName());
        if (focus->parentWidget() != nullptr) {
            reached.insert(focus->parentWidget()->objectName());
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (const char* name : {"apiKeyField",
                             "apiKeyVisibilityButton",
                             "signUpLink",
                             "compressionPicker",
                             "compressionHelpButton",
                             "convertToWebPCheckBox",
                             "convertToAVIFCheckBox",
                             "resizePicker",
                             "resizeHelpButton",
                             "resizeWidthField",
                             "resizeHeightField",
                             "cmykToRgbCheckBox",
                             "removeBackgroundCheckBox",
                             "keepExifCheckBox",
                             "upscalePicker",
                             "addButton",
                             "optimizeButton",
                             "contactLink",
                             "clearFinishedButton",
                             "clearQueueButton",
                             "jobsList"}) {
        QVERIFY2(reached.contains(QLatin1String(name)), name);
    }
    // Icon-only buttons are named for assistive tools by their tooltip.
    for (const char* name : {"apiKeyVisibilityButton", "compressionHelpButton", "resizeHelpButton"}) {
        auto* button = find<QToolButton>(name);
        QVERIFY(!button->toolTip().isEmpty());
        QCOMPARE(button->accessibleName(), button->toolTip());
    }

    // Space on the list's current row presses that row's remove button.
    auto* list = find<JobListView>("jobsList");
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(m_model->jobs().size(), 1);
    QCOMPARE(m_model->jobs().at(0).status, JobStatus::succeeded);
}

void TestWindow::rowsShowSavedFilesAndTooltips()
{
    queue(2);
    auto* list = find<JobListView>("jobsList");
    JobRowDelegate* delegate = list->rowDelegate();
    const QModelIndex first = list->model()->index(0, 0);
    QCOMPARE(first.data(JobListModel::FileNameRole).toString(), QStringLiteral("image-0.png"));
    const int plainHeight = list->visualRect(first).height();
    QCOMPARE(plainHeight, delegate->rowHeight(false));

    const QString optimized = m_tree->path(QStringLiteral("image-0-optimized.png"));
    const QString webp = m_tree->path(QStringLiteral("image-0.webp"));
    setStatus(0, JobStatus::succeeded,
              {DownloadedFile(QStringLiteral("Optimized"), QUrl::fromLocalFile(optimized)),
               DownloadedFile(QStringLiteral("WebP"), QUrl::fromLocalFile(webp))});
    // The row grows to show its saved files, and the row under it moves down.
    QTRY_COMPARE(list->visualRect(first).height(), delegate->rowHeight(true));
    QVERIFY(delegate->rowHeight(true) > plainHeight);
    QCOMPARE(list->visualRect(list->model()->index(1, 0)).top(), list->visualRect(first).bottom() + 1);

    const QList<JobRowDelegate::DownloadItem> items = delegate->downloadItems(list->visualRect(first), first);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0).path, optimized);
    QCOMPARE(items.at(1).path, webp);
    QVERIFY(items.at(0).rect.right() + JobRowDelegate::downloadSpacing < items.at(1).rect.left() + 1);

    const auto toolTipAt = [list](const QPoint& at) {
        QHelpEvent event(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
        const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText();
        return text;
    };
    QCOMPARE(toolTipAt(items.at(1).rect.center()), webp);
    QCOMPARE(toolTipAt(delegate->removeButtonRect(list->visualRect(first)).center()),
             QStringLiteral("Remove from queue"));

    // A click beside the button removes nothing.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
    QCOMPARE(m_model->jobs().size(), 2);
    clickRemove(0);
    QCOMPARE(m_model->jobs().size(), 1);
    QCOMPARE(m_model->jobs().at(0).url.fileName(), QStringLiteral("image-1.png"));
}

void TestWindow::rowsPaintStatusColorsAndDimRunningRemoveButton()
{
    queue(4);
    setStatus(1, JobStatus::running);
    setStatus(2, JobStatus::succeeded);
    setStatus(3, JobStatus::failed);
    auto* list = find<JobListView>("jobsList");
    QApplication::processEvents();
    const QImage image = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = list->viewport()->devicePixelRatioF();
    const QColor base = list->viewport()->palette().color(QPalette::Base);

    // How far the pixels of a region stray from the list's background, at most.
    const auto contrast = [&](const QRect& region) {
        int strongest = 0;
        const QRect pixels(QPoint(qRound(region.left() * ratio), qRound(region.top() * ratio)),
                           QPoint(qRound(region.right() * ratio), qRound(region.bottom() * ratio)));
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                strongest = std::max(strongest, std::abs(c.red() - base.red()) + std::abs(c.green() - base.green()) +
                                                    std::abs(c.blue() - base.blue()));
            }
        }
        return strongest;
    };
    const auto removeRect = [&](int row) {
        return list->rowDelegate()->removeButtonRect(list->visualRect(list->model()->index(row, 0)));
    };
    const int queuedButton = contrast(removeRect(0));
    const int runningButton = contrast(removeRect(1));
    QVERIFY(queuedButton > 0);
    // Drawn at 30 % opacity.
    QVERIFY2(std::abs(runningButton - qRound(queuedButton * 0.3)) <= 6,
             qPrintable(QStringLiteral("%1 vs %2").arg(runningButton).arg(queuedButton)));

    // The status label of each row is drawn in its status's color.
    const auto hasColor = [&](int row, const QColor& wanted) {
        const QRect rowRect = list->visualRect(list->model()->index(row, 0));
        const QRect firstLine(rowRect.left() + rowRect.width() / 2, rowRect.top(), rowRect.width() / 2 - 40, 34);
        for (int y = qRound(firstLine.top() * ratio); y <= qRound(firstLine.bottom() * ratio); ++y) {
            for (int x = qRound(firstLine.left() * ratio); x <= qRound(firstLine.right() * ratio); ++x) {
                if (image.pixelColor(x, y).rgb() == wanted.rgb()) {
                    return true;
                }
            }
        }
        return false;
    };
    QVERIFY(hasColor(1, Theme::color(NamedColor::blue)));
    QVERIFY(hasColor(2, Theme::color(NamedColor::green)));
    QVERIFY(hasColor(3, Theme::color(NamedColor::red)));
    QVERIFY(!hasColor(0, Theme::color(NamedColor::red)));
    QVERIFY(!hasColor(2, Theme::color(NamedColor::red)));
}

void TestWindow::largeQueueHasNoWidgetPerRow()
{
    QList<QUrl> files;
    constexpr int count = 100000;
    files.reserve(count);
    for (int i = 0; i < count; ++i) {
        files.append(QUrl::fromLocalFile(m_tree->path(QStringLiteral("many/%1.jpg").arg(i))));
    }
    m_model->addFiles(files);
    auto* list = find<JobListView>("jobsList");
    const auto widgetsBefore = list->findChildren<QWidget*>().size();
    list->scrollToBottom();
    QApplication::processEvents();
    const QModelIndex last = list->model()->index(count - 1, 0);
    QTRY_VERIFY(list->viewport()->rect().intersects(list->visualRect(last)));
    QCOMPARE(list->indexAt(list->visualRect(last).center()), last);
    QCOMPARE(list->findChildren<QWidget*>().size(), widgetsBefore);
    QCOMPARE(text("remainingLabel"), QStringLiteral("100000 image(s) left to optimize"));
}

void TestWindow::filledButtonsFollowTheirStyle()
{
    const auto fillAlpha = [](FilledButton& button, bool pressed) {
        button.setDown(pressed);
        QImage image(button.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        button.render(&image, {}, {}, QWidget::DrawChildren);
        // Left of the centered label, halfway down the fill.
        const QRect fill = FilledButtonStyle::fillRect(button.rect());
        return image.pixelColor(fill.left() + 4, fill.center().y());
    };

    FilledButton red(RedButtonStyle(), QStringLiteral("Optimize"));
    red.resize(300, red.sizeHint().height());
    QVERIFY(FilledButtonStyle::fillRect(red.rect()).height() >= 34);
    const QColor normal = fillAlpha(red, false);
    QCOMPARE(normal.alpha(), qRound(0.9 * 255));
    QCOMPARE(normal.red(), 0xE0);
    QCOMPARE(fillAlpha(red, true).alpha(), qRound(0.75 * 255));
    QCOMPARE(red.buttonStyle().shadowOpacity(), 0.15);
    // The shadow shows under the fill.
    QImage image(red.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    red.setDown(false);
    red.render(&image, {}, {}, QWidget::DrawChildren);
    const QRect fill = FilledButtonStyle::fillRect(red.rect());
    QVERIFY(image.pixelColor(fill.center().x(), fill.bottom() + 1).alpha() > 0);
    QCOMPARE(image.pixelColor(fill.center().x(), red.height() - 1).alpha(), 0);

    FilledButton gray(GrayButtonStyle(), QStringLiteral("Stop"));
    gray.resize(300, gray.sizeHint().height());
    const QColor grayFill = fillAlpha(gray, false);
    QCOMPARE(grayFill.alpha(), qRound(0.9 * 255));
    QCOMPARE(grayFill.red(), 0x8E);
    QCOMPARE(gray.buttonStyle().shadowOpacity(), 0.12);

    // Full width in the sidebar, and the label is white.
    QCOMPARE(find<QPushButton>("optimizeButton")->width(), find<QWidget>("sidebar")->width());
    QCOMPARE(find<QPushButton>("addButton")->width(), find<QWidget>("sidebar")->width());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
