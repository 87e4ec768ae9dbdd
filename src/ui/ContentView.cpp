#include "ui/ContentView.h"

#include "queue/AppViewModel.h"
#include "ui/AboutDialog.h"
#include "ui/CompareWindow.h"
#include "ui/FileManager.h"
#include "ui/ItemPicker.h"
#include "ui/ItemPickerDialog.h"
#include "ui/JobListView.h"
#include "ui/QueueHeader.h"
#include "ui/RunProgress.h"
#include "ui/Sidebar.h"
#include "ui/Spinner.h"
#include "ui/Theme.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QVBoxLayout>

#include <algorithm>

ContentView::ContentView(AppViewModel* model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_files(new FileManager(this))
{
    setObjectName(QStringLiteral("contentView"));
    setFont(Theme::font(Theme::TextStyle::body));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The sidebar's column with the standard padding around it, all on the window background.
    auto* sidebarPanel = new QWidget(this);
    sidebarPanel->setObjectName(QStringLiteral("sidebarPanel"));
    sidebarPanel->setAutoFillBackground(true);
    sidebarPanel->setBackgroundRole(QPalette::Window);
    auto* panelLayout = new QVBoxLayout(sidebarPanel);
    const int padding = Theme::standardPadding;
    panelLayout->setContentsMargins(padding, padding, padding, padding);
    m_sidebar = new Sidebar(model, sidebarPanel);
    panelLayout->addWidget(m_sidebar);
    layout->addWidget(sidebarPanel);

    auto* divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("divider"));
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Plain);
    QPalette dividerPalette = divider->palette();
    QColor line = dividerPalette.color(QPalette::WindowText);
    line.setAlphaF(0.15F);
    dividerPalette.setColor(QPalette::WindowText, line);
    divider->setPalette(dividerPalette);
    layout->addWidget(divider);

    layout->addWidget(makeQueuePane(), 1);

    connect(m_sidebar, &Sidebar::apiKeyVisibilityToggled, this, [this] { setApiKeyPreview(!m_apiKeyPreview); });
    connect(m_sidebar, &Sidebar::addRequested, this, &ContentView::pickItems);
    connect(m_sidebar, &Sidebar::aboutRequested, this, &ContentView::showAbout);

    // Tab follows the reading order: the sidebar top to bottom, then the queue pane. Typing starts in
    // the key field where the service needs one; on this computer, at adding images.
    QList<QWidget*> chain = m_sidebar->focusChain() + m_header->focusChain();
    chain.append(m_jobsList);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        QWidget::setTabOrder(chain.at(i), chain.at(i + 1));
    }
    auto* keyField = findChild<QLineEdit*>(QStringLiteral("apiKeyField"));
    if (keyField->isVisibleTo(this)) {
        keyField->setFocus();
    } else {
        findChild<QWidget*>(QStringLiteral("addButton"))->setFocus();
    }

    // Every other widget passes drags on to this one; text fields take dropped text themselves, so
    // images dropped on them are caught on the way.
    setAcceptDrops(true);
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->installEventFilter(this);
    }
}

QList<QUrl> ContentView::droppedItems(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasUrls()) {
        return {};
    }
    QStringList paths;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    return ItemPickerDialog::toItems(paths);
}

bool ContentView::takeDrag(QDropEvent* event, bool drop)
{
    // Copy, or else link: the sources stay where they are, and a drag that could only move them is
    // refused, lest the other side delete what it thinks it has handed over.
    const Qt::DropActions offered = event->possibleActions();
    const Qt::DropAction action = offered.testFlag(Qt::CopyAction)   ? Qt::CopyAction
                                  : offered.testFlag(Qt::LinkAction) ? Qt::LinkAction
                                                                     : Qt::IgnoreAction;
    // The files are looked at when the drag comes in and when it is dropped, not on every move.
    QList<QUrl> items;
    if (event->type() != QEvent::DragMove) {
        items = droppedItems(event->mimeData());
        m_dragCarriesItems = !items.isEmpty();
    }
    if (action == Qt::IgnoreAction || !m_dragCarriesItems) {
        event->ignore();
        setDropActive(false);
        return false;
    }
    event->setDropAction(action);
    event->accept();
    setDropActive(!drop);
    if (drop) {
        m_model->addFiles(items);
    }
    return true;
}

void ContentView::setDropActive(bool active)
{
    m_jobsList->setDropHighlighted(active);
}

void ContentView::dragEnterEvent(QDragEnterEvent* event)
{
    takeDrag(event, false);
}

void ContentView::dragMoveEvent(QDragMoveEvent* event)
{
    takeDrag(event, false);
}

void ContentView::dragLeaveEvent(QDragLeaveEvent*)
{
    setDropActive(false);
}

void ContentView::dropEvent(QDropEvent* event)
{
    takeDrag(event, true);
}

bool ContentView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // Anything else, plain text above all, is the field's to take.
        return takeDrag(static_cast<QDropEvent*>(event), event->type() == QEvent::Drop);
    case QEvent::DragLeave:
        setDropActive(false);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* ContentView::makeQueuePane()
{
    auto* pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("queuePane"));
    auto* layout = new QVBoxLayout(pane);
    const int padding = Theme::standardPadding;
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(12);

    m_header = new QueueHeader(m_model, pane);
    layout->addWidget(m_header);

    m_jobsList = new JobListView(pane);
    m_jobsList->setObjectName(QStringLiteral("jobsList"));
    m_jobsList->setAccessibleName(tr("Selected Images"));
    m_jobsList->setAccessibleDescription(
        tr("The queue: one row per image with its state, message and saved files. Enter compares a done "
           "image with its result, the Menu key lists what can be done with the current image, and Space "
           "removes it. Images and folders can be dropped here."));
    m_jobsList->setModel(m_model->jobModel());
    // The inset list: a rounded card on the window background.
    m_jobsList->setFrameShape(QFrame::NoFrame);
    m_jobsList->setStyleSheet(QStringLiteral("QListView#jobsList { background: palette(base); border: 1px solid "
                                             "palette(midlight); border-radius: 8px; padding: 4px 0px; }"));
    connect(m_jobsList, &JobListView::removeRequested, m_model, &AppViewModel::removeJob);
    connect(m_jobsList, &JobListView::compareRequested, this, &ContentView::compare);
    connect(m_jobsList, &JobListView::optimizeAgainRequested, m_model, &AppViewModel::optimizeAgain);
    connect(m_jobsList, &JobListView::openRequested, m_files, &FileManager::open);
    connect(m_jobsList, &JobListView::showInFolderRequested, m_files, &FileManager::showInFolder);
    layout->addWidget(m_jobsList, 1);

    auto* footer = new QWidget(pane);
    footer->setObjectName(QStringLiteral("footer"));
    auto* footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(0, 0, 0, 0);
    footerLayout->setSpacing(Theme::defaultSpacing);
    footerLayout->addStretch(1);
    auto* progress = new RunProgress(m_model, footer);
    progress->setObjectName(QStringLiteral("runProgress"));
    // Half the row: the bar reads at a glance without stretching across a wide window.
    footerLayout->addWidget(progress, 1);
    m_spinner = new Spinner(footer);
    m_spinner->setObjectName(QStringLiteral("spinner"));
    footerLayout->addWidget(m_spinner);
    // The footer keeps its height when the indicator is hidden, so the list does not jump.
    footer->setFixedHeight(std::max(m_spinner->sizeHint().height(), progress->sizeHint().height()));
    const auto showSpinner = [this] { m_spinner->setVisible(m_model->isProcessing()); };
    connect(m_model, &AppViewModel::isProcessingChanged, m_spinner, showSpinner);
    showSpinner();
    layout->addWidget(footer);
    return pane;
}

void ContentView::setApiKeyPreview(bool value)
{
    if (m_apiKeyPreview == value) {
        return;
    }
    m_apiKeyPreview = value;
    m_sidebar->setApiKeyShown(value);
    Q_EMIT apiKeyPreviewChanged();
}

void ContentView::pickItems()
{
    // The dialog opens where the last one closed, also after a restart.
    ItemPicker* picker = ItemPicker::instance();
    picker->setFolder(m_model->lastPickFolder());
    const std::optional<QList<QUrl>> items = picker->pick(window());
    if (picker->folder() != m_model->lastPickFolder()) {
        m_model->setLastPickFolder(picker->folder());
    }
    if (items) {
        m_model->addFiles(*items);
    }
}

void ContentView::showAbout()
{
    if (m_about == nullptr) {
        m_about = new AboutDialog(window());
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    // Window-modal, not exec(): the run goes on, and nothing waits on a nested event loop.
    m_about->open();
    m_about->raise();
    m_about->activateWindow();
}

CompareWindow* ContentView::compareWindow() const
{
    return m_compare;
}

void ContentView::compare(const QUuid& id)
{
    const ImageJob* job = m_model->jobModel()->find(id);
    if (job == nullptr || job->status != JobStatus::succeeded || job->downloads.isEmpty()) {
        return;
    }
    if (m_compare == nullptr) {
        m_compare = new CompareWindow(window());
        m_compare->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_compare->setJob(job->url, job->downloads);
    m_compare->show();
    m_compare->raise();
    m_compare->activateWindow();
}

// Never smaller than the designed minimum, and never smaller than the controls need: with the resize
// fields shown the sidebar is taller than the designed minimum leaves room for.
QSize ContentView::minimumSizeHint() const
{
    return QWidget::minimumSizeHint().expandedTo(QSize(minimumWidth, minimumHeight));
}
