#include "ui/CompareWindow.h"

#include "imaging/ImageDecoder.h"
#include "imaging/Similarity.h"
#include "queue/SavedFiles.h"
#include "queue/SizeText.h"
#include "ui/CompareCanvas.h"
#include "ui/SegmentedControl.h"
#include "ui/Theme.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <QtConcurrent/qtconcurrenttask.h>

#include <algorithm>
#include <utility>

struct CompareWindow::Loaded
{
    QImage preview;
    QSize size;
    QString error;
};

namespace {

constexpr int originalSide = 0;
constexpr int resultSide = 1;

CompareCanvas::Side sideOf(int side)
{
    return side == originalSide ? CompareCanvas::Side::original : CompareCanvas::Side::result;
}

// The level the similarity is measured on: the smallest with as many pixels as the measure takes.
QImage measuredLevel(const QList<QImage>& levels)
{
    QImage chosen = levels.isEmpty() ? QImage() : levels.constFirst();
    for (const QImage& level : levels) {
        if (qint64(level.width()) * level.height() >= Similarity::maxPixels) {
            chosen = level;
        }
    }
    return chosen;
}

QToolButton* toolButton(const QString& text, const QString& name, const QString& description, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoRaise(false);
    return button;
}

} // namespace

CompareWindow::CompareWindow(QWidget* parent, Metric metric)
    : QDialog(parent, Qt::Window)
    , m_metric(metric ? std::move(metric) : Metric(Similarity::ssim))
{
    setObjectName(QStringLiteral("compareWindow"));
    setModal(false);
    setFont(Theme::font(Theme::TextStyle::body));
    // Made in the order the window reads, which Tab follows.
    m_resultPicker = new SegmentedControl(this);
    m_modePicker = new SegmentedControl(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Theme::standardPadding, Theme::standardPadding, Theme::standardPadding,
                               Theme::standardPadding);
    layout->setSpacing(10);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(Theme::defaultSpacing);
    auto* withLabel = new QLabel(tr("Compare with"), this);
    bar->addWidget(withLabel);
    m_resultPicker->setObjectName(QStringLiteral("compareResultPicker"));
    m_resultPicker->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    bar->addWidget(m_resultPicker);
    bar->addSpacing(Theme::standardPadding);
    m_modePicker->setObjectName(QStringLiteral("compareModePicker"));
    m_modePicker->addSegment(tr("Split"), int(CompareCanvas::Mode::split));
    m_modePicker->addSegment(tr("Side by side"), int(CompareCanvas::Mode::sideBySide));
    m_modePicker->setTitle(tr("View"), tr("the result over the original with a divider, or beside it"));
    m_modePicker->setCurrentId(int(CompareCanvas::Mode::split));
    m_modePicker->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    bar->addWidget(m_modePicker);
    bar->addStretch(1);

    auto* zoomOut = toolButton(QStringLiteral("−"), QStringLiteral("zoomOutButton"), tr("Zoom out (−)"), this);
    zoomOut->setAccessibleName(tr("Zoom out"));
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(QStringLiteral("zoomLabel"));
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    m_zoomLabel->setMinimumWidth(QFontMetrics(m_zoomLabel->font()).horizontalAdvance(QStringLiteral("1600 %")) + 8);
    auto* zoomIn = toolButton(QStringLiteral("+"), QStringLiteral("zoomInButton"), tr("Zoom in (+)"), this);
    zoomIn->setAccessibleName(tr("Zoom in"));
    auto* fit = toolButton(tr("Fit"), QStringLiteral("zoomFitButton"), tr("The whole picture in the window (0)"), this);
    auto* actual = toolButton(QStringLiteral("100 %"), QStringLiteral("zoom100Button"),
                              tr("One pixel of the picture to a pixel of the screen (1)"), this);
    auto* twice = toolButton(QStringLiteral("200 %"), QStringLiteral("zoom200Button"),
                             tr("Each pixel of the picture as two of the screen (2)"), this);
    m_zoomButtons = {zoomOut, zoomIn, fit, actual, twice};
    bar->addWidget(zoomOut);
    bar->addWidget(m_zoomLabel);
    for (QWidget* widget : m_zoomButtons.mid(1)) {
        bar->addWidget(widget);
    }
    layout->addLayout(bar);
    m_canvas = new CompareCanvas(this);
    m_canvas->setObjectName(QStringLiteral("compareCanvas"));
    layout->addWidget(m_canvas, 1);
    m_originalInfo = new QLabel(this);
    m_similarity = new QLabel(this);
    m_resultInfo = new QLabel(this);

    auto* info = new QHBoxLayout;
    info->setSpacing(Theme::standardPadding);
    for (QLabel* label : {m_originalInfo, m_similarity, m_resultInfo}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::StrongFocus);
        Theme::applyTextStyle(label, Theme::TextStyle::callout);
    }
    m_originalInfo->setObjectName(QStringLiteral("originalInfo"));
    m_resultInfo->setObjectName(QStringLiteral("resultInfo"));
    m_resultInfo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_similarity->setObjectName(QStringLiteral("similarityLabel"));
    m_similarity->setAlignment(Qt::AlignCenter);
    m_similarity->setToolTip(tr("The structural similarity (SSIM) of the result to the original, over red, green "
                                "and blue: 1 for the same picture, lower as they drift apart."));
    m_similarity->setAccessibleDescription(m_similarity->toolTip());
    info->addWidget(m_originalInfo, 1);
    info->addWidget(m_similarity, 1);
    info->addWidget(m_resultInfo, 1);
    layout->addLayout(info);

    connect(m_resultPicker, &SegmentedControl::idClicked, this, &CompareWindow::showResult);
    connect(m_modePicker, &SegmentedControl::idClicked, this,
            [this](int id) { m_canvas->setMode(CompareCanvas::Mode(id)); });
    connect(zoomOut, &QToolButton::clicked, m_canvas, &CompareCanvas::zoomOut);
    connect(zoomIn, &QToolButton::clicked, m_canvas, &CompareCanvas::zoomIn);
    connect(fit, &QToolButton::clicked, m_canvas, &CompareCanvas::zoomToFit);
    connect(actual, &QToolButton::clicked, m_canvas, [this] { m_canvas->setZoom(1); });
    connect(twice, &QToolButton::clicked, m_canvas, [this] { m_canvas->setZoom(2); });
    connect(m_canvas, &CompareCanvas::viewChanged, this, &CompareWindow::refreshZoom);

    auto* close = new QAction(tr("Close"), this);
    close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence::Close});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    // Most of the screen: the pictures are what the window is for.
    const QScreen* screen =
        parent != nullptr && parent->screen() != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() * 0.85 : QSize(1200, 800);
    resize(room.boundedTo(QSize(1600, 1100)).expandedTo(QSize(720, 520)));
    m_canvas->setFocus();
    refreshZoom();
}

// The decoders that are still at work finish on their own; their answers find no window and are dropped.
CompareWindow::~CompareWindow() = default;

void CompareWindow::setJob(const QUrl& source, const QList<DownloadedFile>& results)
{
    m_original = source;
    m_results = results;
    // The index of the file shown before may lie past the new list, which loading the original reads.
    m_result = -1;
    setWindowTitle(tr("Compare “%1”").arg(source.fileName()));
    m_resultPicker->clear();
    for (qsizetype i = 0; i < results.size(); ++i) {
        m_resultPicker->addSegment(results.at(i).formatLabel(), int(i));
    }
    m_resultPicker->setTitle(tr("Compare with"), tr("which saved file is shown against the original"));
    orderFocus();

    load(originalSide, source);
    const DownloadedFile* optimized = SavedFiles::optimized(results);
    showResult(optimized != nullptr ? int(optimized - results.constData()) : 0);
}

void CompareWindow::showResult(int index)
{
    if (index < 0 || index >= m_results.size() || index == m_result) {
        return;
    }
    m_result = index;
    m_resultPicker->setCurrentId(index);
    load(resultSide, m_results.at(index).path);
}

void CompareWindow::orderFocus()
{
    QList<QWidget*> chain;
    for (SegmentedControl* picker : {m_resultPicker, m_modePicker}) {
        const QList<QAbstractButton*> segments = picker->segments();
        chain.append(QList<QWidget*>(segments.cbegin(), segments.cend()));
    }
    chain += m_zoomButtons;
    chain += {m_canvas, m_originalInfo, m_similarity, m_resultInfo};
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain.at(i), chain.at(i + 1));
    }
}

QSize CompareWindow::previewBox() const
{
    // The canvas as the window opens, in device pixels: at the zoom that fits, the preview is drawn as it is.
    const QSize logical = m_canvas->isVisible() ? m_canvas->size() : m_canvas->sizeHint().expandedTo(size() * 0.8);
    return logical * m_canvas->devicePixelRatioF();
}

void CompareWindow::load(int side, const QUrl& file)
{
    const quint64 generation = ++m_generation[side];
    m_levels[side].clear();
    m_sizes[side] = QSize();
    m_errors[side].clear();
    m_canvas->clear(sideOf(side));
    m_measured = false;
    m_similarityValue.reset();
    refreshInfo();

    const QString path = file.toLocalFile();
    const QSize box = previewBox();
    // The preview first, for both sides: it comes in a small part of the time the whole picture takes.
    auto* preview = new QFutureWatcher<Loaded>(this);
    connect(preview, &QFutureWatcher<Loaded>::finished, this, [this, preview, side, generation] {
        preview->deleteLater();
        previewLoaded(side, generation, preview->result());
    });
    // Ahead of any whole picture waiting: a preview of the other side too comes before either.
    preview->setFuture(QtConcurrent::task([path, box] {
                           Loaded loaded;
                           loaded.preview = ImageDecoder::scaled(path, box, &loaded.error);
                           loaded.size = ImageDecoder::sizeOf(path);
                           return loaded;
                       })
                           .onThreadPool(*ImageDecoder::threads())
                           .withPriority(1)
                           .spawn());
    auto* full = new QFutureWatcher<std::pair<QList<QImage>, QString>>(this);
    connect(full, &QFutureWatcher<std::pair<QList<QImage>, QString>>::finished, this, [this, full, side, generation] {
        full->deleteLater();
        const auto [levels, error] = full->result();
        levelsLoaded(side, generation, levels, error);
    });
    full->setFuture(QtConcurrent::run(ImageDecoder::threads(), [path, box] {
        QString error;
        QList<QImage> levels = ImageDecoder::levels(path, box, &error);
        return std::pair{levels, error};
    }));
}

void CompareWindow::previewLoaded(int side, quint64 generation, const Loaded& loaded)
{
    if (generation != m_generation[side]) {
        return;
    }
    m_errors[side] = loaded.error;
    if (!loaded.preview.isNull()) {
        m_sizes[side] = loaded.size;
        m_canvas->setPreview(sideOf(side), loaded.preview, loaded.size);
    }
    refreshInfo();
}

void CompareWindow::levelsLoaded(int side, quint64 generation, const QList<QImage>& levels, const QString& error)
{
    if (generation != m_generation[side]) {
        return;
    }
    if (levels.isEmpty()) {
        m_errors[side] = error;
    } else {
        m_levels[side] = levels;
        m_sizes[side] = levels.constFirst().size();
        m_canvas->setLevels(sideOf(side), levels);
    }
    refreshInfo();
    measure();
}

void CompareWindow::measure()
{
    const bool failed = !m_errors[originalSide].isEmpty() || !m_errors[resultSide].isEmpty();
    if (failed) {
        m_measured = true;
        refreshInfo();
        Q_EMIT measured();
        return;
    }
    if (m_levels[originalSide].isEmpty() || m_levels[resultSide].isEmpty()) {
        return;
    }
    const QImage a = measuredLevel(m_levels[originalSide]);
    const QImage b = measuredLevel(m_levels[resultSide]);
    const quint64 generation[2] = {m_generation[originalSide], m_generation[resultSide]};
    auto* watcher = new QFutureWatcher<std::optional<double>>(this);
    connect(watcher, &QFutureWatcher<std::optional<double>>::finished, this,
            [this, watcher, first = generation[0], second = generation[1]] {
                watcher->deleteLater();
                if (first != m_generation[originalSide] || second != m_generation[resultSide]) {
                    return;
                }
                m_similarityValue = watcher->result();
                m_measured = true;
                refreshInfo();
                Q_EMIT measured();
            });
    watcher->setFuture(QtConcurrent::run(ImageDecoder::threads(), m_metric, a, b));
}

QString CompareWindow::similarityText() const
{
    return m_similarity->text();
}

void CompareWindow::refreshInfo()
{
    const QLocale locale;
    const auto describe = [&](const QString& name, const QUrl& file, QSize pixels, qint64 reference) {
        QStringList parts{name};
        if (pixels.isValid()) {
            parts << tr("%1 × %2 px").arg(locale.toString(pixels.width()), locale.toString(pixels.height()));
        }
        const qint64 bytes = QFileInfo(file.toLocalFile()).size();
        if (QFileInfo::exists(file.toLocalFile())) {
            QString size = SizeText::size(bytes);
            const QString change = reference >= 0 ? SizeText::change(bytes, reference) : QString();
            if (!change.isEmpty()) {
                size += QStringLiteral(" (") + change + QLatin1Char(')');
            }
            parts << size;
        }
        return parts.join(QStringLiteral(" · "));
    };
    const qint64 originalBytes = QFileInfo(m_original.toLocalFile()).size();
    m_originalInfo->setText(describe(tr("Original"), m_original, m_sizes[originalSide], -1));
    QString resultName;
    if (m_result >= 0) {
        const DownloadedFile& file = m_results.at(m_result);
        resultName = file.formatLabel();
        m_resultInfo->setText(describe(resultName, file.path, m_sizes[resultSide], originalBytes));
    }
    m_canvas->setLabels(tr("Original"), resultName);
    m_canvas->setAccessibleName(tr("The original and the %1 image").arg(resultName));

    QString similarity;
    if (!m_errors[originalSide].isEmpty() || !m_errors[resultSide].isEmpty()) {
        similarity = !m_errors[originalSide].isEmpty() ? tr("The original could not be read.")
                                                       : tr("This file could not be read.");
    } else if (!m_measured) {
        similarity = tr("Measuring similarity…");
    } else if (m_similarityValue) {
        similarity = tr("Similarity %1 (SSIM)").arg(locale.toString(*m_similarityValue, 'f', 4));
    } else {
        similarity = tr("Similarity could not be measured.");
    }
    m_similarity->setText(similarity);
    m_similarity->setAccessibleName(similarity);
    m_originalInfo->setAccessibleName(m_originalInfo->text());
    m_resultInfo->setAccessibleName(m_resultInfo->text());
}

void CompareWindow::refreshZoom()
{
    m_zoomLabel->setText(QLocale().toString(qRound(m_canvas->zoom() * 100)) + QStringLiteral(" %"));
    m_zoomLabel->setAccessibleName(tr("Zoom %1").arg(m_zoomLabel->text()));
}
