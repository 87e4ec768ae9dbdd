#include "ContentView.h"

#include "AppViewModel.h"
#include "ItemPicker.h"
#include "JobListView.h"
#include "QueueHeader.h"
#include "Sidebar.h"
#include "Spinner.h"
#include "Theme.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

ContentView::ContentView(AppViewModel* model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("contentView"));
    setMinimumSize(minimumWidth, minimumHeight);
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
}

QWidget* ContentView::makeQueuePane()
{
    auto* pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("queuePane"));
    auto* layout = new QVBoxLayout(pane);
    const int padding = Theme::standardPadding;
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(12);

    layout->addWidget(new QueueHeader(m_model, pane));

    m_jobsList = new JobListView(pane);
    m_jobsList->setObjectName(QStringLiteral("jobsList"));
    m_jobsList->setAccessibleName(QStringLiteral("Selected Images"));
    m_jobsList->setModel(m_model->jobModel());
    // The inset list: a rounded card on the window background.
    m_jobsList->setFrameShape(QFrame::NoFrame);
    m_jobsList->setStyleSheet(QStringLiteral("QListView#jobsList { background: palette(base); border: 1px solid "
                                             "palette(midlight); border-radius: 8px; padding: 4px 0px; }"));
    connect(m_jobsList, &JobListView::removeRequested, m_model, &AppViewModel::removeJob);
    layout->addWidget(m_jobsList, 1);

    auto* footer = new QWidget(pane);
    footer->setObjectName(QStringLiteral("footer"));
    auto* footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(0, 0, 0, 0);
    footerLayout->setSpacing(Theme::defaultSpacing);
    footerLayout->addStretch(1);
    m_spinner = new Spinner(footer);
    m_spinner->setObjectName(QStringLiteral("spinner"));
    footerLayout->addWidget(m_spinner);
    // The footer keeps its height when the indicator is hidden, so the list does not jump.
    footer->setFixedHeight(m_spinner->sizeHint().height());
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
    const std::optional<QList<QUrl>> items = ItemPicker::instance()->pick(window());
    if (items) {
        m_model->addFiles(*items);
    }
}
