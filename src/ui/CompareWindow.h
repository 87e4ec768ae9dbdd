#pragma once

// A done job's source beside one of its saved files, to see what the result looks like before trusting
// it: the pictures in a CompareCanvas, the choice of file and of view, the zoom, each side's size on
// disk and in pixels and the change, and how similar the result is to the source (SSIM). Pictures are
// decoded, and the similarity measured, off the main thread: a screen-sized preview of each side first,
// then the full picture. A window of its own, next to the main one.

#include "model/DownloadedFile.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QUrl>

#include <functional>
#include <optional>

class CompareCanvas;
class QLabel;
class QToolButton;
class SegmentedControl;

class CompareWindow : public QDialog
{
    Q_OBJECT

public:
    // How similar a result is to its source; called off the main thread.
    using Metric = std::function<std::optional<double>(const QImage& original, const QImage& result)>;

    explicit CompareWindow(QWidget* parent = nullptr, Metric metric = {});
    ~CompareWindow() override;

    // The source and its saved files; the optimized image is shown first, else the first file.
    void setJob(const QUrl& original, const QList<DownloadedFile>& results);
    // Shows the saved file of this index against the source.
    void showResult(int index);
    int resultIndex() const { return m_result; }

    CompareCanvas* canvas() const { return m_canvas; }
    QString similarityText() const;
    // Whether the similarity of the result shown has been measured (or found not measurable).
    bool isMeasured() const { return m_measured; }

Q_SIGNALS:
    void measured();

private:
    struct Loaded;

    void load(int side, const QUrl& file);
    void previewLoaded(int side, quint64 generation, const Loaded& loaded);
    void levelsLoaded(int side, quint64 generation, const QList<QImage>& levels, const QString& error);
    void measure();
    void refreshInfo();
    void refreshZoom();
    QSize previewBox() const;
    // Tab goes as the window reads: the choices, the zoom, the pictures, then what is said of them.
    void orderFocus();

    Metric m_metric;
    CompareCanvas* m_canvas = nullptr;
    SegmentedControl* m_resultPicker = nullptr;
    SegmentedControl* m_modePicker = nullptr;
    QLabel* m_zoomLabel = nullptr;
    QList<QWidget*> m_zoomButtons;
    QLabel* m_originalInfo = nullptr;
    QLabel* m_resultInfo = nullptr;
    QLabel* m_similarity = nullptr;

    QUrl m_original;
    QList<DownloadedFile> m_results;
    int m_result = -1;
    // Each side's load, counted so that a late answer for a picture no longer shown is dropped.
    quint64 m_generation[2] = {0, 0};
    QList<QImage> m_levels[2];
    QSize m_sizes[2];
    QString m_errors[2];
    bool m_measured = false;
    std::optional<double> m_similarityValue;
};
